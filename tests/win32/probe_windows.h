#pragma once
// What the probe reads from the desktop: the visible top-level windows of one title, their
// outer and client sizes, and their child controls with class, text and place. (Menus live in
// the program's own process under Wine, so the probe reaches them by keyboard.)

#include <windows.h>

#include <string>
#include <vector>

namespace velmora::probe {

struct ChildInfo {
    HWND hwnd = nullptr;
    std::wstring window_class;
    std::wstring text;
    RECT rect{};  // in the parent's client coordinates
    bool visible = false;
    bool group_box = false;  // a frame: it may reach past the window and lies under its controls
};

std::string utf8(const std::wstring& text);
std::vector<HWND> windows_titled(const std::wstring& title);
// The visible top-level windows with a child control of this class ("SysMonthCal32").
std::vector<HWND> windows_holding(const std::wstring& child_class);
std::vector<HWND> visible_windows();
std::vector<ChildInfo> children_of(HWND parent);
std::wstring title_of(HWND hwnd);
std::wstring control_text(HWND hwnd);
// One line of the probe's answer on standard output, flushed at once for the script reading it.
void say(const std::string& line);
// The first visible window of this title, or nullptr after saying there is none.
HWND first_titled(const std::wstring& title);

}  // namespace velmora::probe

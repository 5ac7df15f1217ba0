#include "probe_windows.h"

#include <cstdio>
#include <cwchar>

namespace velmora::probe {

std::string utf8(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                        nullptr);
    return out;
}

std::wstring title_of(HWND hwnd) {
    wchar_t buffer[512] = {};
    GetWindowTextW(hwnd, buffer, 512);
    return buffer;
}

// The text of another program's control is asked for with WM_GETTEXT (GetWindowText gives only
// captions across programs, so an edit box of another program would read empty).
std::wstring control_text(HWND hwnd) {
    DWORD_PTR length = 0;
    if (SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 500, &length) == 0) {
        return title_of(hwnd);
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 500, &copied);
    text.resize(copied);
    return text;
}

std::vector<HWND> visible_windows() {
    std::vector<HWND> found;
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            if (IsWindowVisible(hwnd)) {
                reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::vector<HWND> windows_titled(const std::wstring& title) {
    std::vector<HWND> found;
    for (HWND hwnd : visible_windows()) {
        if (title_of(hwnd) == title) {
            found.push_back(hwnd);
        }
    }
    return found;
}

std::vector<HWND> windows_holding(const std::wstring& child_class) {
    std::vector<HWND> found;
    for (HWND hwnd : visible_windows()) {
        if (FindWindowExW(hwnd, nullptr, child_class.c_str(), nullptr) != nullptr) {
            found.push_back(hwnd);
        }
    }
    return found;
}

std::vector<ChildInfo> children_of(HWND parent) {
    struct Walk {
        HWND parent;
        std::vector<ChildInfo> children;
    } walk{parent, {}};
    EnumChildWindows(
        parent,
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto& w = *reinterpret_cast<Walk*>(param);
            if (GetParent(hwnd) != w.parent) {
                return TRUE;
            }
            ChildInfo info;
            info.hwnd = hwnd;
            wchar_t name[128] = {};
            GetClassNameW(hwnd, name, 128);
            info.window_class = name;
            info.text = control_text(hwnd);
            GetWindowRect(hwnd, &info.rect);
            MapWindowPoints(nullptr, w.parent, reinterpret_cast<POINT*>(&info.rect), 2);
            info.visible = IsWindowVisible(hwnd) != FALSE;
            info.group_box = _wcsicmp(name, L"Button") == 0 &&
                             (GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
            w.children.push_back(info);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&walk));
    return walk.children;
}

void say(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

HWND first_titled(const std::wstring& title) {
    const auto windows = windows_titled(title);
    if (windows.empty()) {
        say("no window \"" + utf8(title) + "\"");
        return nullptr;
    }
    return windows.front();
}

}  // namespace velmora::probe

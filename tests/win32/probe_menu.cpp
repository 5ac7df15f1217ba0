#include "probe_menu.h"

#include <cstdio>
#include <string>
#include <vector>

#include "probe_mouse.h"
#include "probe_windows.h"
#include "trace.h"

namespace velmora::probe {
namespace {

bool in_menu_mode(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
           (info.flags & GUI_INMENUMODE) != 0;
}

bool menu_mode_becomes(HWND window, bool on) {
    for (int i = 0; i < 250; ++i, Sleep(20)) {
        if (in_menu_mode(window) == on) {
            return true;
        }
    }
    return false;
}

}  // namespace

void press(WORD key) {
    INPUT keys[2]{};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = key;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

namespace {

// The window's menu bar in menu mode (F10), the window brought to the front first so that the keys
// reach it; null when it did not follow.
HWND enter_menu_bar(const std::wstring& title, const std::string& what) {
    const auto windows = windows_titled(title);
    if (windows.empty()) {
        say("no window \"" + utf8(title) + "\"");
        return nullptr;
    }
    HWND window = windows.front();
    if (!bring_forward(window)) {
        say("\"" + utf8(title) + "\" did not come to the front");
        return nullptr;
    }
    win32::trace("probe menu", window, what);
    press(VK_F10);
    if (!menu_mode_becomes(window, true)) {
        say("the menu bar of \"" + utf8(title) + "\" did not open");
        return nullptr;
    }
    return window;
}

void press_all(const std::vector<WORD>& keys) {
    for (WORD key : keys) {
        press(key);
        Sleep(20);
    }
}

}  // namespace

// The menu bar by keyboard, as a user without a mouse chooses: F10, Right to the item, then
// Enter, or Down into its menu and Enter on the item there. The menus of another program cannot
// be read here, so the keys are counted; the program's menu mode shows when they are taken in.
int choose_menu(const std::wstring& title, int index, int sub) {
    HWND window = enter_menu_bar(title, std::to_string(index) + " " + std::to_string(sub));
    if (window == nullptr) {
        return 1;
    }
    std::vector<WORD> keys(static_cast<std::size_t>(index), VK_RIGHT);
    if (sub >= 0) {
        keys.insert(keys.end(), static_cast<std::size_t>(sub) + 1, VK_DOWN);
    }
    keys.push_back(VK_RETURN);
    press_all(keys);
    if (!menu_mode_becomes(window, false)) {
        say("the menu of \"" + utf8(title) + "\" stayed open");
        press(VK_ESCAPE);
        press(VK_ESCAPE);
        return 1;
    }
    wait_handled(window);
    return 0;
}

int open_menu(const std::wstring& title, int index) {
    HWND window = enter_menu_bar(title, "open " + std::to_string(index));
    if (window == nullptr) {
        return 1;
    }
    std::vector<WORD> keys(static_cast<std::size_t>(index), VK_RIGHT);
    keys.push_back(VK_DOWN);
    press_all(keys);
    Sleep(300);  // the menu is drawn before anyone looks at it
    return in_menu_mode(window) ? 0 : 1;
}

}  // namespace velmora::probe

#include "probe_menu.h"

#include <cstdio>
#include <string>
#include <vector>

#include "probe_mouse.h"
#include "probe_windows.h"
#include "trace.h"

namespace velmora::probe {
namespace {

void say(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

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

// The menu bar by keyboard, as a user without a mouse chooses: F10, Right to the item, then
// Enter, or Down into its menu and Enter on the item there. The menus of another program cannot
// be read here, so the keys are counted; the program's menu mode shows when they are taken in.
int choose_menu(const std::wstring& title, int index, int sub) {
    const auto windows = windows_titled(title);
    if (windows.empty()) {
        say("no window \"" + utf8(title) + "\"");
        return 1;
    }
    HWND window = windows.front();
    // The keys go to the window in front: wait until it is the one named, or they land elsewhere.
    if (!bring_forward(window)) {
        say("\"" + utf8(title) + "\" did not come to the front");
        return 1;
    }
    win32::trace("probe menu", window, std::to_string(index) + " " + std::to_string(sub));
    press(VK_F10);
    if (!menu_mode_becomes(window, true)) {
        say("the menu bar of \"" + utf8(title) + "\" did not open");
        return 1;
    }
    std::vector<WORD> keys(static_cast<std::size_t>(index), VK_RIGHT);
    if (sub >= 0) {
        keys.insert(keys.end(), static_cast<std::size_t>(sub) + 1, VK_DOWN);
    }
    keys.push_back(VK_RETURN);
    for (WORD key : keys) {
        press(key);
        Sleep(20);
    }
    if (!menu_mode_becomes(window, false)) {
        say("the menu of \"" + utf8(title) + "\" stayed open");
        press(VK_ESCAPE);
        press(VK_ESCAPE);
        return 1;
    }
    wait_handled(window);
    return 0;
}

}  // namespace velmora::probe

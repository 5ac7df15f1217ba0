#include "probe_actions.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>

#include "probe_mouse.h"
#include "probe_windows.h"
#include "trace.h"

namespace velmora::probe {

const char* const kActionUsage =
    "click|rclick TITLE TEXT | clickn TITLE TEXT N | row|dblrow TITLE ROW [LIST] | box SECONDS yes|no|ok | "
    "type TITLE CURRENT TEXT | "
    "keys TEXT | front TITLE | idle TITLE SECONDS | settled CLASS SECONDS | steal FILE PATTERN TITLE SECONDS "
    "| "
    "control TITLE TEXT SECONDS";

namespace {

// The child controls with this text that the user sees (shown, in the window's client area),
// top to bottom, then left to right.
std::vector<ChildInfo> controls_with(HWND hwnd, const std::wstring& text) {
    std::vector<ChildInfo> found;
    RECT client{};
    GetClientRect(hwnd, &client);
    for (const auto& child : children_of(hwnd)) {
        const POINT centre{(child.rect.left + child.rect.right) / 2,
                           (child.rect.top + child.rect.bottom) / 2};
        if (child.visible && child.text == text && PtInRect(&client, centre)) {
            found.push_back(child);
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const ChildInfo& a, const ChildInfo& b) {
        return a.rect.top != b.rect.top ? a.rect.top < b.rect.top : a.rect.left < b.rect.left;
    });
    return found;
}

POINT centre_on_screen(HWND parent, const RECT& r) {
    POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(parent, &at);
    return at;
}

int click_nth(const std::wstring& title, const std::wstring& text, int n, bool right) {
    HWND hwnd = first_titled(title);
    const auto found = hwnd != nullptr ? controls_with(hwnd, text) : std::vector<ChildInfo>{};
    if (n < 0 || static_cast<std::size_t>(n) >= found.size()) {
        say("no control \"" + utf8(text) + "\" number " + std::to_string(n) + " in \"" + utf8(title) + "\"");
        return 1;
    }
    return mouse_clicks(hwnd, centre_on_screen(hwnd, found[static_cast<std::size_t>(n)].rect), 1, right);
}

int click_row(const std::wstring& title, int row, int list, int clicks) {
    HWND hwnd = first_titled(title);
    int seen = 0;
    for (HWND child = hwnd ? FindWindowExW(hwnd, nullptr, L"ListBox", nullptr) : nullptr; child != nullptr;
         child = FindWindowExW(hwnd, child, L"ListBox", nullptr)) {
        if (!IsWindowVisible(child) || seen++ != list) {
            continue;
        }
        SendMessageW(child, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
        RECT r{};
        if (SendMessageW(child, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r)) ==
            LB_ERR) {
            say("no row " + std::to_string(row));
            return 1;
        }
        return mouse_clicks(hwnd, centre_on_screen(child, r), clicks, false);
    }
    say("no list " + std::to_string(list) + " in \"" + utf8(title) + "\"");
    return 1;
}

// Typed as the keyboard types: every character a Unicode key event, a line break the Enter key.
void type_keys(const std::wstring& text) {
    for (wchar_t c : text) {
        INPUT keys[2]{};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        if (c == L'\n') {
            keys[0].ki.wVk = keys[1].ki.wVk = VK_RETURN;
            keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        } else {
            keys[0].ki.wScan = keys[1].ki.wScan = c;
            keys[0].ki.dwFlags = KEYEVENTF_UNICODE;
            keys[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        }
        SendInput(2, keys, sizeof(INPUT));
        Sleep(c == L'\n' ? 150 : 10);
    }
}

int type_into(const std::wstring& title, const std::wstring& current, const std::wstring& text) {
    HWND hwnd = first_titled(title);
    const auto found = hwnd != nullptr ? controls_with(hwnd, current) : std::vector<ChildInfo>{};
    if (found.empty()) {
        say("no control \"" + utf8(current) + "\" in \"" + utf8(title) + "\"");
        return 1;
    }
    if (mouse_clicks(hwnd, centre_on_screen(hwnd, found.front().rect), 1, false) != 0) {
        return 1;
    }
    HWND edit = ChildWindowFromPoint(hwnd, POINT{found.front().rect.left + 2, found.front().rect.top + 2});
    SendMessageW(edit, EM_SETSEL, 0, -1);
    type_keys(text);
    return 0;
}

// A message box of any program: its texts are printed, the button is pressed, the box is gone.
int answer_box(int seconds, const std::wstring& button) {
    const int id = button == L"yes" ? IDYES : button == L"no" ? IDNO : IDOK;
    for (int i = 0; i < seconds * 50; ++i, Sleep(20)) {
        HWND box = FindWindowW(L"#32770", nullptr);
        if (box == nullptr || !IsWindowVisible(box) || GetDlgItem(box, id) == nullptr) {
            continue;
        }
        std::wstring text = title_of(box);
        for (const auto& child : children_of(box)) {
            if (_wcsicmp(child.window_class.c_str(), L"Static") == 0 && !child.text.empty()) {
                text += L"|" + child.text;
            }
        }
        say(utf8(text));
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
        for (int k = 0; k < 250 && IsWindow(box); ++k) {
            Sleep(20);
        }
        return IsWindow(box) ? 1 : 0;
    }
    say("no message box");
    return 1;
}

// Waits until the window that `find` names answers messages (its thread is idle).
template <class Find>
bool wait_answering(Find find, int seconds) {
    for (int i = 0; i < seconds * 5; ++i) {
        HWND hwnd = find();
        DWORD_PTR result = 0;
        if (hwnd != nullptr && SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 200, &result) != 0) {
            return true;
        }
        Sleep(hwnd == nullptr ? 200 : 0);
    }
    return false;
}

int wait_idle(const std::wstring& title, int seconds) {
    if (wait_answering([&] { return FindWindowW(nullptr, title.c_str()); }, seconds)) {
        return 0;
    }
    say("\"" + utf8(title) + "\" did not answer");
    return 1;
}

// The program of these windows (all of its windows share one thread) answers messages again:
// whatever its captions say by now, its run of sends is over.
int wait_program_idle(const std::wstring& window_class, int seconds) {
    if (wait_answering([&] { return FindWindowW(window_class.c_str(), nullptr); }, seconds)) {
        return 0;
    }
    say("no window of class \"" + utf8(window_class) + "\" answered");
    return 1;
}

bool file_holds(const std::wstring& file, const std::string& pattern) {
    FILE* in = _wfopen(file.c_str(), L"rb");
    if (in == nullptr) {
        return false;
    }
    std::string bytes;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;) {
        bytes.append(buffer, n);
    }
    std::fclose(in);
    return bytes.find(pattern) != std::string::npos;
}

// As soon as the file holds the pattern, another window comes to the front (the user clicks away).
int steal(const std::wstring& file, const std::wstring& pattern, const std::wstring& title, int seconds) {
    for (int i = 0; i < seconds * 200; ++i) {
        if (file_holds(file, utf8(pattern))) {
            HWND hwnd = first_titled(title);
            return hwnd != nullptr && bring_forward(hwnd) ? 0 : 1;
        }
        Sleep(5);
    }
    say("the file never held \"" + utf8(pattern) + "\"");
    return 1;
}

int wait_control(const std::wstring& title, const std::wstring& text, int seconds) {
    for (int i = 0; i < seconds * 10; ++i, Sleep(100)) {
        for (HWND hwnd : windows_titled(title)) {
            if (!controls_with(hwnd, text).empty()) {
                return 0;
            }
        }
    }
    say("no control \"" + utf8(text) + "\" in \"" + utf8(title) + "\"");
    return 1;
}

int number(const std::wstring& text) {
    return _wtoi(text.c_str());
}

}  // namespace

std::optional<int> run_action(const std::vector<std::wstring>& a) {
    const std::wstring verb = a.empty() ? L"" : a[0];
    const std::size_t n = a.size();
    if (verb == L"clickn" && n == 4) {
        return click_nth(a[1], a[2], number(a[3]), false);
    }
    if ((verb == L"click" || verb == L"rclick") && n == 3) {
        return click_nth(a[1], a[2], 0, verb == L"rclick");
    }
    if ((verb == L"row" || verb == L"dblrow") && (n == 3 || n == 4)) {
        return click_row(a[1], number(a[2]), n == 4 ? number(a[3]) : 0, verb == L"row" ? 1 : 2);
    }
    if (verb == L"box" && n == 3) {
        return answer_box(number(a[1]), a[2]);
    }
    if (verb == L"type" && n == 4) {
        return type_into(a[1], a[2], a[3]);
    }
    if (verb == L"keys" && n == 2) {
        type_keys(a[1]);
        return 0;
    }
    if (verb == L"front" && n == 2) {
        HWND hwnd = first_titled(a[1]);
        return hwnd != nullptr && bring_forward(hwnd) ? 0 : 1;
    }
    if (verb == L"idle" && n == 3) {
        return wait_idle(a[1], number(a[2]));
    }
    if (verb == L"settled" && n == 3) {
        return wait_program_idle(a[1], number(a[2]));
    }
    if (verb == L"steal" && n == 5) {
        return steal(a[1], a[2], a[3], number(a[4]));
    }
    if (verb == L"control" && n == 4) {
        return wait_control(a[1], a[2], number(a[3]));
    }
    return std::nullopt;
}

}  // namespace velmora::probe

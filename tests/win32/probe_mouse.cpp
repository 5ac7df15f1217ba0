#include "probe_mouse.h"

#include <cstdio>
#include <string>
#include <vector>

#include "trace.h"

namespace velmora::probe {
namespace {

std::string point_text(POINT p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

bool pointer_at(POINT at) {
    POINT now{};
    return GetCursorPos(&now) && now.x == at.x && now.y == at.y;
}

// The pointer moves to the point and stays there. Under Wine the moved pointer springs back to
// its old place for a moment (the X server reports the old place before the new one), so a click
// sent right after a move may land where the pointer was before: wait until the spring-back has
// come and gone, or until the pointer has stayed put long enough for it not to come any more.
bool move_pointer(POINT at) {
    if (pointer_at(at)) {
        return true;
    }
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    move.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    constexpr ULONGLONG kAfterSpringBack = 50;
    constexpr ULONGLONG kWithoutSpringBack = 400;
    bool sprang_back = false;
    ULONGLONG there_since = 0;
    const ULONGLONG began = GetTickCount64();
    for (ULONGLONG sent = 0, now = began; now - began < 5000; Sleep(10), now = GetTickCount64()) {
        if (sent == 0 || now - sent > 1500) {
            SendInput(1, &move, sizeof(INPUT));
            sent = now;
            there_since = 0;
            continue;
        }
        if (!pointer_at(at)) {
            sprang_back = true;
            there_since = 0;
        } else if (there_since == 0) {
            there_since = now;
        } else if (now - there_since >= (sprang_back ? kAfterSpringBack : kWithoutSpringBack)) {
            return true;
        }
    }
    POINT now{};
    GetCursorPos(&now);
    win32::trace("probe pointer", "stuck at " + point_text(now) + ", wanted " + point_text(at));
    return false;
}

}  // namespace

// The window comes to the front, asked again now and then: under Wine the activation of another
// program's window arrives late on a busy machine, and a late one would take the front from
// whatever the program itself brought forward meanwhile.
bool bring_forward(HWND hwnd) {
    for (int i = 0; i < 250 && GetForegroundWindow() != hwnd; ++i) {
        if (i % 25 == 0) {
            SetForegroundWindow(hwnd);
        }
        Sleep(20);
    }
    return GetForegroundWindow() == hwnd;
}

void wait_handled(HWND hwnd) {
    for (int round = 0; round < 2; ++round) {
        Sleep(60);
        DWORD_PTR result = 0;
        SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
    }
}

// Real mouse clicks at a point of the screen, the window brought to the front first.
int mouse_clicks(HWND window, POINT at, int clicks, bool right) {
    if (!bring_forward(window)) {
        win32::trace("probe click", window, "not in front");
        std::puts("the window did not come to the front");
        return 1;
    }
    POINT before{};
    GetCursorPos(&before);
    if (!move_pointer(at)) {
        std::printf("the pointer did not move to %s\n", point_text(at).c_str());
        return 1;
    }
    win32::trace("probe click", window,
                 std::to_string(clicks) + (right ? " right" : "") + " at " + point_text(at) + " from " +
                     point_text(before));
    // The move goes again with the buttons, in one piece.
    std::vector<INPUT> inputs(1 + 2 * static_cast<std::size_t>(clicks));
    for (auto& in : inputs) {
        in.type = INPUT_MOUSE;
    }
    inputs[0].mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    inputs[0].mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    for (std::size_t i = 1; i < inputs.size(); ++i) {
        inputs[i].mi.dwFlags = i % 2 == 1 ? (right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN)
                                          : (right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    wait_handled(window);
    win32::trace("probe click", window, "answered");
    return 0;
}

}  // namespace velmora::probe

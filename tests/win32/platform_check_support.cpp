#include "platform_check_support.h"

#include <cstdio>

#include "wide.h"

namespace velmora::probe {
namespace {

HWND g_notepad = nullptr;

}  // namespace

void pump(int milliseconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    MSG msg{};
    while (GetTickCount() < end) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(20);
    }
}

void Check::operator()(const char* name, bool ok) {
    std::printf("%s  %s\n", ok ? "ok    " : "FAILED", name);
    std::fflush(stdout);
    (ok ? m_passed : m_failed)++;
}

int Check::finish() const {
    std::printf("%d passed, %d failed\n", m_passed, m_failed);
    return m_failed == 0 ? 0 : 1;
}

void press_box_button(const wchar_t* title, int button) {
    for (int i = 0; i < 100; ++i) {
        if (HWND box = FindWindowW(L"#32770", title)) {
            Sleep(200);
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
            return;
        }
        Sleep(50);
    }
}

HWND wait_for_edit_of_newest_notepad() {
    for (int i = 0; i < 200; ++i) {
        HWND notepad = FindWindowW(L"Notepad", nullptr);
        if (notepad != nullptr && IsWindowVisible(notepad)) {
            g_notepad = notepad;
            return FindWindowExW(notepad, nullptr, L"Edit", nullptr);
        }
        Sleep(50);
    }
    return nullptr;
}

std::string edit_text(HWND edit) {
    if (edit == nullptr) {
        return {};
    }
    const auto length = SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(edit, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return win32::narrow(text);
}

void end_newest_notepad() {
    DWORD process_id = 0;
    GetWindowThreadProcessId(g_notepad, &process_id);
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, process_id)) {
        TerminateProcess(process, 0);
        CloseHandle(process);
    }
}

HWND show_guard_window() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VelmoraGuard";
    RegisterClassW(&wc);
    HWND guard = CreateWindowExW(0, wc.lpszClassName, L"guard", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200,
                                 100, nullptr, nullptr, wc.hInstance, nullptr);
    SetForegroundWindow(guard);
    pump(500);
    return guard;
}

}  // namespace velmora::probe

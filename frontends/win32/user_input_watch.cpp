#include "user_input_watch.h"

namespace velmora::win32 {
namespace {

// The hooks are process-wide callbacks without a context: the event of the one watch running.
std::atomic<HANDLE> g_seen{nullptr};

LRESULT CALLBACK keyboard_hook(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
        if ((key->flags & LLKHF_INJECTED) == 0) {
            SetEvent(g_seen.load());
        }
    }
    return CallNextHookEx(nullptr, code, message, data);
}

bool is_button_down(WPARAM message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
           message == WM_XBUTTONDOWN;
}

LRESULT CALLBACK mouse_hook(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION && is_button_down(message)) {
        const auto* mouse = reinterpret_cast<const MSLLHOOKSTRUCT*>(data);
        if ((mouse->flags & LLMHF_INJECTED) == 0) {
            SetEvent(g_seen.load());
        }
    }
    return CallNextHookEx(nullptr, code, message, data);
}

}  // namespace

UserInputWatch::UserInputWatch()
    : m_seen(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      m_ready(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

UserInputWatch::~UserInputWatch() {
    stop();
    CloseHandle(m_seen);
    CloseHandle(m_ready);
}

bool UserInputWatch::start() {
    stop();
    ResetEvent(m_seen);
    ResetEvent(m_ready);
    g_seen.store(m_seen);
    m_thread = std::thread([this] { run_hooks(); });
    WaitForSingleObject(m_ready, INFINITE);
    return m_installed.load();
}

void UserInputWatch::stop() {
    if (!m_thread.joinable()) {
        return;
    }
    PostThreadMessageW(m_thread_id.load(), WM_QUIT, 0, 0);
    m_thread.join();
}

bool UserInputWatch::input_seen() const {
    return WaitForSingleObject(m_seen, 0) == WAIT_OBJECT_0;
}

bool UserInputWatch::wait_for_input(DWORD ms) const {
    return WaitForSingleObject(m_seen, ms) == WAIT_OBJECT_0;
}

void UserInputWatch::run_hooks() {
    MSG msg{};
    // The thread's message queue exists before anyone can post WM_QUIT to it.
    PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    m_thread_id.store(GetCurrentThreadId());
    HINSTANCE self = GetModuleHandleW(nullptr);
    HHOOK keyboard = SetWindowsHookExW(WH_KEYBOARD_LL, keyboard_hook, self, 0);
    HHOOK mouse = SetWindowsHookExW(WH_MOUSE_LL, mouse_hook, self, 0);
    m_installed.store(keyboard != nullptr && mouse != nullptr);
    SetEvent(m_ready);
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        DispatchMessageW(&msg);
    }
    if (keyboard != nullptr) {
        UnhookWindowsHookEx(keyboard);
    }
    if (mouse != nullptr) {
        UnhookWindowsHookEx(mouse);
    }
}

}  // namespace velmora::win32

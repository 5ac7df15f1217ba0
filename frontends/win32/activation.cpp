// Programs and their windows: launching the browser, finding its window again (also when it
// handed the URL to a copy that was already running), bringing a window to the front under the
// foreground rules, the file association and the default opener.

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/command_line.h"
#include "trace.h"
#include "wide.h"
#include "win32_platform.h"

namespace velmora::win32 {
namespace {

// One desktop platform per program: the timer reaches it through this.
Win32Platform* g_front_listener = nullptr;

// A tenth of a second between two looks at the front window, for twenty seconds after a launch.
constexpr UINT kFrontLookMs = 100;
constexpr int kFrontLooks = 200;

void CALLBACK on_front_timer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_front_listener != nullptr) {
        g_front_listener->look_at_front();
    }
}

bool own_focus() {
    HWND foreground = GetForegroundWindow();
    return foreground != nullptr && process_of(foreground) == GetCurrentProcessId();
}

void tap_alt() {
    INPUT keys[2]{};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_MENU;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

// The window of another program comes to the front once that program has taken the activation
// in, which on a busy machine takes longer than a moment.
bool is_foreground_soon(HWND hwnd) {
    for (int i = 0; i < 100; ++i) {
        if (GetForegroundWindow() == hwnd) {
            return true;
        }
        Sleep(20);
    }
    return false;
}

}  // namespace

bool Win32Platform::bring_to_front(HWND window) {
    if (window == nullptr) {
        return false;
    }
    if (IsIconic(window)) {
        ShowWindow(window, SW_RESTORE);
    }
    if (GetForegroundWindow() != window) {
        // The system lets the thread that has the foreground hand it on: borrow its input state.
        HWND foreground = GetForegroundWindow();
        const DWORD own_thread = GetCurrentThreadId();
        const DWORD foreground_thread = foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
        const bool attached = foreground_thread != 0 && foreground_thread != own_thread &&
                              AttachThreadInput(own_thread, foreground_thread, TRUE);
        const bool set = SetForegroundWindow(window) != FALSE;
        if (!set) {
            tap_alt();  // a key press from this program lifts the foreground lock
            SetForegroundWindow(window);
        }
        trace("activate", window,
              std::string(set ? "set" : "set refused, alt tapped") + (attached ? ", input attached" : ""));
        BringWindowToTop(window);
        if (attached) {
            AttachThreadInput(own_thread, foreground_thread, FALSE);
        }
    }
    if (!is_foreground_soon(window)) {
        trace("activate", window, "never came to the front");
        return false;
    }
    trace("activate", window, "in front");
    m_last_activated = window;
    m_sending_stopped = false;
    return true;
}

bool Win32Platform::activate_title(std::string_view title) {
    if (m_caption_sync) {
        m_caption_sync();
    }
    return bring_to_front(FindWindowW(nullptr, widen(title).c_str()));
}

bool Win32Platform::activate_task(std::optional<platform::TaskId> task, platform::Wait wait) {
    const auto found = task ? m_tasks.find(*task) : m_tasks.end();
    if (found == m_tasks.end()) {
        trace("activate task", "no such task");
        return false;
    }
    if (wait == platform::Wait::ForOwnFocus) {
        int i = 0;
        for (; i < 50 && !own_focus(); ++i) {
            Sleep(20);
        }
        trace("own focus", own_focus() ? "held after " + std::to_string(i * 20) + " ms" : "not held");
    }
    // Only the window the contest opened in, found once and remembered; none is no window.
    look_at_front();
    HWND window = found->second.window();
    if (window == nullptr) {
        trace("activate task", "no window of the task");
        return false;
    }
    return bring_to_front(window);
}

std::optional<platform::TaskId> Win32Platform::launch(std::string_view program, std::string_view argument) {
    // The path in quotes and the argument quoted as one: CreateProcessW never tries a part of a
    // path with blanks, and the browser never sees a second argument.
    const auto command_line = platform::command_line_of(program, argument);
    if (!command_line) {
        trace("launch", "refused: the argument reads as a switch or the program's path is unusable");
        return std::nullopt;
    }
    std::wstring line = widen(*command_line);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNOACTIVATE;
    PROCESS_INFORMATION process{};
    std::vector<HWND> windows_before = top_level_windows();
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return std::nullopt;
    }
    CloseHandle(process.hThread);
    const platform::TaskId id = m_next_task++;
    // The process stays open for as long as the task is remembered: its number is not reused.
    m_tasks.try_emplace(id, process.hProcess, process.dwProcessId, std::move(windows_before));
    // The browser, or the running copy it hands the URL to, brings the contest's window to the
    // front: the platform looks which window comes there.
    watch_front();
    return id;
}

void Win32Platform::watch_front() {
    g_front_listener = this;
    m_last_front = GetForegroundWindow();
    m_front_looks_left = kFrontLooks;
    if (m_front_timer == 0) {
        m_front_timer = SetTimer(nullptr, 0, kFrontLookMs, on_front_timer);
    }
}

void Win32Platform::look_at_front() {
    HWND front = GetForegroundWindow();
    if (front != m_last_front) {
        m_last_front = front;
        if (front != nullptr && process_of(front) != GetCurrentProcessId()) {
            trace("front", front, "came to the front");
            for (auto& [id, task] : m_tasks) {
                task.saw_in_front(front);
            }
        }
    }
    const bool waiting = std::any_of(m_tasks.begin(), m_tasks.end(),
                                     [](const auto& entry) { return !entry.second.window_known(); });
    if ((--m_front_looks_left <= 0 || !waiting) && m_front_timer != 0) {
        KillTimer(nullptr, m_front_timer);
        m_front_timer = 0;
    }
}

Win32Platform::~Win32Platform() {
    if (m_front_timer != 0) {
        KillTimer(nullptr, m_front_timer);
    }
    if (g_front_listener == this) {
        g_front_listener = nullptr;
    }
}

std::optional<std::string> Win32Platform::find_executable(const std::filesystem::path& document) {
    wchar_t program[MAX_PATH] = {};
    const auto result = reinterpret_cast<INT_PTR>(FindExecutableW(document.c_str(), nullptr, program));
    if (result <= 32 || program[0] == L'\0') {
        return std::nullopt;
    }
    return narrow(program);
}

bool Win32Platform::open_with_default(std::string_view url) {
    // Any other text may name a program or a shared folder that the opener would start or open.
    if (!platform::is_web_address(url)) {
        return false;
    }
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", widen(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

}  // namespace velmora::win32

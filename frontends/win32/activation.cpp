// Programs and their windows: launching the browser, finding its window again (also when it
// handed the URL to a copy that was already running), bringing a window to the front under the
// foreground rules, the file association and the default opener.

#include <windows.h>

#include <shellapi.h>

#include <cwctype>
#include <string>
#include <vector>

#include "platform/command_line.h"
#include "trace.h"
#include "wide.h"
#include "win32_platform.h"

namespace velmora::win32 {
namespace {

std::wstring executable_of(HANDLE process) {
    std::wstring buffer(1024, L'\0');
    DWORD size = static_cast<DWORD>(buffer.size());
    if (!QueryFullProcessImageNameW(process, 0, buffer.data(), &size)) {
        return {};
    }
    buffer.resize(size);
    return buffer;
}

std::wstring executable_of_process(DWORD process_id) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
    if (process == nullptr) {
        return {};
    }
    std::wstring path = executable_of(process);
    CloseHandle(process);
    return path;
}

bool same_path(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size() || a.empty()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::towlower(a[i]) != std::towlower(b[i])) {
            return false;
        }
    }
    return true;
}

// The visible, unowned top-level windows that carry a caption, in front-to-back order.
std::vector<HWND> top_level_windows() {
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            if (IsWindowVisible(hwnd) && GetWindow(hwnd, GW_OWNER) == nullptr &&
                GetWindowTextLengthW(hwnd) > 0) {
                reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

DWORD process_of(HWND hwnd) {
    DWORD process_id = 0;
    GetWindowThreadProcessId(hwnd, &process_id);
    return process_id;
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
    const std::vector<HWND> windows = top_level_windows();
    for (HWND hwnd : windows) {
        if (process_of(hwnd) == found->second.process_id) {
            return bring_to_front(hwnd);
        }
    }
    // The launched copy has gone or shows nothing: a copy of the same program that was running.
    for (HWND hwnd : windows) {
        const DWORD process_id = process_of(hwnd);
        if (process_id != GetCurrentProcessId() &&
            same_path(executable_of_process(process_id), found->second.executable)) {
            return bring_to_front(hwnd);
        }
    }
    trace("activate task", "no window of the task");
    return false;
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
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return std::nullopt;
    }
    const platform::TaskId id = m_next_task++;
    m_tasks[id] = Task{process.dwProcessId, executable_of(process.hProcess)};
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return id;
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

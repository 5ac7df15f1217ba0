#include "browser_task.h"

#include <algorithm>
#include <cwctype>
#include <iterator>
#include <string>

#include "trace.h"

namespace velmora::win32 {
namespace {

constexpr std::size_t kSeenInFront = 32;  // front changes kept while the window is not known

bool alive(HANDLE process) {
    return process != nullptr && WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
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

// The process that owns the window, opened; null when it has ended, or when the window no longer
// belongs to it once opened (the number passed on in between).
OwnedHandle owner_of(HWND window, DWORD& process_id) {
    process_id = process_of(window);
    OwnedHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, process_id));
    if (process.get() == nullptr || !alive(process.get()) || process_of(window) != process_id) {
        return {};
    }
    return process;
}

bool contains(const std::vector<HWND>& windows, HWND window) {
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

}  // namespace

OwnedHandle& OwnedHandle::operator=(OwnedHandle&& other) noexcept {
    if (this != &other) {
        reset();
        m_handle = other.release();
    }
    return *this;
}

HANDLE OwnedHandle::release() {
    HANDLE handle = m_handle;
    m_handle = nullptr;
    return handle;
}

void OwnedHandle::reset() {
    if (m_handle != nullptr) {
        CloseHandle(m_handle);
        m_handle = nullptr;
    }
}

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

DWORD process_of(HWND window) {
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    return process_id;
}

std::wstring executable_of(HANDLE process) {
    std::wstring buffer(1024, L'\0');
    DWORD size = static_cast<DWORD>(buffer.size());
    if (!QueryFullProcessImageNameW(process, 0, buffer.data(), &size)) {
        return {};
    }
    buffer.resize(size);
    return buffer;
}

BrowserTask::BrowserTask(HANDLE process, DWORD process_id, std::vector<HWND> windows_at_launch)
    : m_process(process),
      m_process_id(process_id),
      m_executable(executable_of(process)),
      m_windows_at_launch(std::move(windows_at_launch)) {
    for (HWND window : m_windows_at_launch) {
        if (runs_same_program(window)) {
            m_browser_windows_at_launch.push_back(window);
        }
    }
}

bool BrowserTask::runs_same_program(HWND window) const {
    DWORD owner_id = 0;
    const OwnedHandle owner =
        process_of(window) == GetCurrentProcessId() ? OwnedHandle() : owner_of(window, owner_id);
    return owner.get() != nullptr && same_path(executable_of(owner.get()), m_executable);
}

void BrowserTask::saw_in_front(HWND window) {
    if (m_window == nullptr && m_seen_in_front.size() < kSeenInFront &&
        (m_seen_in_front.empty() || m_seen_in_front.back() != window)) {
        m_seen_in_front.push_back(window);
    }
}

HWND BrowserTask::window() {
    if (m_window != nullptr) {
        if (remembered_window_lives()) {
            return m_window;
        }
        trace("activate task", m_window, "the contest's window has gone");
        return nullptr;
    }
    HWND found = find_window();
    return found != nullptr && remember(found) ? m_window : nullptr;
}

std::vector<HWND> BrowserTask::candidates() const {
    std::vector<HWND> windows;
    const bool launched_runs = alive(m_process.get());
    for (HWND window : top_level_windows()) {
        const DWORD process_id = process_of(window);
        if (launched_runs) {
            if (process_id == m_process_id) {  // the open handle keeps this number the launch's
                windows.push_back(window);
            }
            continue;
        }
        if (runs_same_program(window)) {
            windows.push_back(window);
        }
    }
    return windows;
}

HWND BrowserTask::find_window() const {
    const std::vector<HWND> windows = candidates();
    for (HWND seen : m_seen_in_front) {
        if (contains(windows, seen)) {
            trace("activate task", seen, "came to the front after the launch");
            return seen;
        }
    }
    std::vector<HWND> made;
    std::copy_if(windows.begin(), windows.end(), std::back_inserter(made),
                 [this](HWND window) { return !contains(m_windows_at_launch, window); });
    if (made.size() == 1) {
        trace("activate task", made.front(), "the one window made since the launch");
        return made.front();
    }
    // No window made since: the URL went to the one the browser had, if it had only one.
    if (made.empty() && m_browser_windows_at_launch.size() == 1 &&
        contains(windows, m_browser_windows_at_launch[0])) {
        trace("activate task", m_browser_windows_at_launch[0], "the browser's one window at the launch");
        return m_browser_windows_at_launch[0];
    }
    trace("activate task",
          std::to_string(windows.size()) + " windows of the browser, none known as the contest's");
    return nullptr;
}

bool BrowserTask::remember(HWND window) {
    DWORD process_id = 0;
    OwnedHandle owner = owner_of(window, process_id);
    if (owner.get() == nullptr) {
        return false;
    }
    m_window = window;
    m_window_process = std::move(owner);
    m_window_process_id = process_id;
    return true;
}

bool BrowserTask::remembered_window_lives() const {
    return IsWindow(m_window) && alive(m_window_process.get()) && process_of(m_window) == m_window_process_id;
}

}  // namespace velmora::win32

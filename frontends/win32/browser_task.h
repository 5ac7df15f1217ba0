#pragma once
// A program the platform launched (the browser), kept for as long as the platform remembers it:
// its process stays open, so that its number cannot pass to another program, and once found, the
// window the contest opened in is remembered and is the only window activated for it from then
// on. That window is found from what the desktop shows, never guessed: the first window of the
// browser that came to the front after the launch, else the one window it made since, else the
// one window it had when it was launched. A browser that handed the URL to its running copy and
// ended is looked for among that copy's windows.
//
//   BrowserTask task(process_info, windows_before_launch);   HWND w = task.window();

#include <windows.h>

#include <string>
#include <vector>

namespace velmora::win32 {

// A handle closed when it goes.
class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(HANDLE handle) : m_handle(handle) {}
    ~OwnedHandle() { reset(); }
    OwnedHandle(OwnedHandle&& other) noexcept : m_handle(other.release()) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept;
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;

    HANDLE get() const { return m_handle; }
    HANDLE release();
    void reset();

private:
    HANDLE m_handle = nullptr;
};

// The visible, unowned top-level windows that carry a caption, in front-to-back order.
std::vector<HWND> top_level_windows();
DWORD process_of(HWND window);
// The full path of a process's executable; empty when it cannot be read.
std::wstring executable_of(HANDLE process);

class BrowserTask {
public:
    // Takes over the process handle of the launch.
    BrowserTask(HANDLE process, DWORD process_id, std::vector<HWND> windows_at_launch);

    // A window came to the front (told while the contest's window is not known yet).
    void saw_in_front(HWND window);
    bool window_known() const { return m_window != nullptr; }
    // The contest's window: the remembered one while it and its program live, or, the first
    // time, the one found now (then remembered). Null when there is none; never another one.
    HWND window();

private:
    // The browser's windows now: the launched program's while it runs, else those of the running
    // copies of the same program it handed the URL to.
    std::vector<HWND> candidates() const;
    HWND find_window() const;
    bool remember(HWND window);
    bool remembered_window_lives() const;
    // Whether another process runs the same program and owns the window.
    bool runs_same_program(HWND window) const;

    OwnedHandle m_process;
    DWORD m_process_id;
    std::wstring m_executable;  // the full path, to find the copy it handed the URL to
    std::vector<HWND> m_windows_at_launch;
    std::vector<HWND> m_browser_windows_at_launch;  // those of them that ran the same program
    std::vector<HWND> m_seen_in_front;
    HWND m_window = nullptr;
    OwnedHandle m_window_process;  // kept open while the window is remembered
    DWORD m_window_process_id = 0;
};

}  // namespace velmora::win32

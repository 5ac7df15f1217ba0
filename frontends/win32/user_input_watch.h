#pragma once
// Watches for the user's own key presses and mouse clicks while a run of sends lasts: low-level
// keyboard and mouse hooks on a thread of their own (the hooks are called through that thread's
// message loop, so they answer at once while the program's thread waits between keys). Events
// that a program injected (the keys being typed, the probe's clicks) carry the injected flag and
// do not count; releasing a key or a button does not count either (the click that started the
// run is released during it).
//
//   UserInputWatch watch;  watch.start();  ... if (watch.wait_for_input(15)) { /* stopped */ }  watch.stop();

#include <windows.h>

#include <atomic>
#include <thread>

namespace velmora::win32 {

class UserInputWatch {
public:
    UserInputWatch();
    ~UserInputWatch();
    UserInputWatch(const UserInputWatch&) = delete;
    UserInputWatch& operator=(const UserInputWatch&) = delete;

    // Installs the hooks; returns once they are in place (false when the system refused them).
    bool start();
    // Removes the hooks; the input seen so far stays recorded until the next start.
    void stop();
    // A key press or click of the user's own arrived since start.
    bool input_seen() const;
    // Waits up to `ms`, ending early when the user's input arrives; true when it has.
    bool wait_for_input(DWORD ms) const;

private:
    void run_hooks();

    HANDLE m_seen = nullptr;   // manual-reset event, set by the hooks
    HANDLE m_ready = nullptr;  // set once the hooks are installed (or failed to be)
    std::thread m_thread;
    std::atomic<DWORD> m_thread_id{0};
    std::atomic<bool> m_installed{false};
};

}  // namespace velmora::win32

#pragma once
// What the platform check needs from the desktop besides the platform itself: a tally of checks,
// a user who presses a message box's button, Notepad's edit control and a window that steals
// the foreground.

#include <windows.h>

#include <string>

namespace velmora::probe {

class Check {
public:
    void operator()(const char* name, bool ok);
    // Prints "N passed, M failed"; the exit code is 0 when nothing failed.
    int finish() const;

private:
    int m_passed = 0;
    int m_failed = 0;
};

// Handles this thread's messages for a while (the desktop's notices arrive with them).
void pump(int milliseconds);

// Waits for a message box with this title and presses the button with this id.
void press_box_button(const wchar_t* title, int button);

HWND wait_for_edit_of_newest_notepad();
std::string edit_text(HWND edit);
void end_newest_notepad();

// A visible window of this process, brought to the front.
HWND show_guard_window();

}  // namespace velmora::probe

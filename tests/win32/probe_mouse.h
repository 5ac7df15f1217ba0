#pragma once
// The probe's mouse and the window in front: a window brought forward, real clicks at a point of
// the screen (landing where they are aimed, not where the pointer was), and the wait until the
// program has handled what it was sent.

#include <windows.h>

namespace velmora::probe {

// The window comes to the front (asked again now and then); false when it never does.
bool bring_forward(HWND hwnd);
// Until the window's program has handled what was sent to it so far (it answers messages again,
// twice, so that what the first answer let through has run too).
void wait_handled(HWND hwnd);
// The window brought forward, then `clicks` clicks of the left (or right) button at a point of
// the screen; 0 when they were made and handled, 1 when the window or the pointer did not follow.
int mouse_clicks(HWND window, POINT at, int clicks, bool right);

}  // namespace velmora::probe

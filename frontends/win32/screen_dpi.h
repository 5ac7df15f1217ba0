#pragma once
// The density (dots per inch) of the screen a window is on, and the desktop's measures at a
// density. Newer Windows answer per monitor; the functions are looked up when the program runs,
// so that it still starts on a Windows without them, where the screen's one density answers.
//
//   const UINT dpi = dpi_of_window(hwnd);  const int x = ui::to_pixels(left_twips, dpi);

#include <windows.h>

namespace velmora::win32 {

// The density of the monitor the window is on (96 when nothing can tell).
UINT dpi_of_window(HWND hwnd);
// The density of the primary screen, where the notification area is.
UINT dpi_of_system();
// A system measure (SM_CXSMICON, …) at this density.
int metric_at_dpi(int index, UINT dpi);
// The window's outer rectangle around this client rectangle, its frame measured at this density.
void outer_rect_at_dpi(RECT& rect, DWORD style, bool menu, DWORD ex_style, UINT dpi);
// On a Windows that scales only the windows' contents per monitor, their caption and menu bar
// follow the density too (called while the window is being created).
void scale_frame_with_dpi(HWND hwnd);

}  // namespace velmora::win32

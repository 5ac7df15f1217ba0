#pragma once
// The font of every control: a Japanese user-interface font at 9 points ("MS UI Gothic", else
// "Yu Gothic UI", else the IPA Gothic that Wine offers on Linux), else the system's GUI font,
// made once per screen density (12 pixels high at 96 DPI, 18 at 144).

#include <windows.h>

namespace velmora::win32 {

// The font for a screen of this density. Fonts live as long as the program; never deleted.
HFONT ui_font(UINT dpi);
// The height of its characters in pixels at this density.
int ui_font_pixels(UINT dpi);

}  // namespace velmora::win32

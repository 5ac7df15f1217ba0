#pragma once
// The font of every control: a Japanese user-interface font at 9 points ("MS UI Gothic", else
// "Yu Gothic UI", else the IPA Gothic that Wine offers on Linux), else the system's GUI font.

#include <windows.h>

namespace velmora::win32 {

// The font lives as long as the program; it is never deleted.
HFONT ui_font();

}  // namespace velmora::win32

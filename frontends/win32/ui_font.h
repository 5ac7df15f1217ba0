#pragma once
// The font of every control: a Japanese user-interface font at 9 points ("MS UI Gothic", else
// "Yu Gothic UI", else the IPA Gothic that Wine offers on Linux), else the system's GUI font,
// made once per screen density (12 pixels high at 96 DPI, 18 at 144). A caption wider than its
// control is drawn smaller, down to three quarters of that height, rather than cut off.
//
//   HFONT font = caption_font(L"2026/12/08", caption_room(CaptionBox::Label, 74, 96), 96);

#include <windows.h>

#include <string_view>

namespace velmora::win32 {

// The control font at this density. Fonts live as long as the program; never deleted.
HFONT ui_font(UINT dpi);
// The height of its characters in pixels at this density.
int ui_font_pixels(UINT dpi);

enum class CaptionBox { Label, Button, CheckBox };
// The width a caption may take in a control of this kind and width at this density.
int caption_room(CaptionBox box, int width, UINT dpi);
// The width the caption takes in this font, to the ink of its last character.
int caption_width(std::wstring_view caption, HFONT font);
// The control font, or the largest smaller one (down to three quarters of its height) in which
// the caption fits into `room` pixels; the smallest when it fits in none.
HFONT caption_font(std::wstring_view caption, int room, UINT dpi);
// Whether caption_font found one in which the caption fits.
bool caption_fits(std::wstring_view caption, int room, UINT dpi);

}  // namespace velmora::win32

#pragma once
// How another program's windows draw their text, for the smoke run at several screen densities:
// the density of a window's screen, the size its text is drawn at (the advance of a kanji in its
// edit boxes, the row height of its lists), and captions wider than their control.

#include <windows.h>

#include <string>

#include "probe_windows.h"

namespace velmora::probe {

// The density of the window's screen is `dpi`: 0 when it is, 1 when not.
int check_dpi(const std::wstring& title, int dpi);
// The window's text is drawn `pixels` high: a kanji in an edit box is `pixels` wide, and list
// rows are at least `pixels` and less than one and a half times that high.
int check_font(const std::wstring& title, int pixels);
// "TEXT CLIPPED (…)" when the caption of a label, button or check box does not fit into it in
// the program's font at the window's density, a note when it fits only drawn smaller, else empty.
std::string caption_clipped(HWND parent, const ChildInfo& child);

}  // namespace velmora::probe

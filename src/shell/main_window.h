#pragma once
// The main window's life: its load (data files, panels, placement on top), its activation (the
// date is taken again, for a program left running over midnight), its close (the data files are
// saved and the program ends), and the topmost placement of the strip.

#include "ui/program.h"

namespace velmora::shell {

// The strip's size in pixels whenever the program places it on top.
inline constexpr int kStripWidthPx = 155;
inline constexpr int kStripHeightPx = 355;

// Start-up: a.html, Today, zov1.ini, history, flowcharts, ID book, stock list, panels, on top.
void Form_Load(ui::Program& program);
// Today is taken again from the clock.
void Form_Activate(ui::Program& program);
// Shutdown: zov1.ini, zov21.ini, zov3.ini, zov4.ini; never asks, never cancels; the program ends.
void Form_QueryUnload(ui::Program& program);

// Places the main window above all ordinary windows at (x, y) with the given size in pixels,
// shown and not activated. The values are 16-bit as the placement call takes them: a value
// outside that range is held at its nearest end instead of failing.
void AllBeforeForm(ui::Program& program, long x, long y, long width, long height);

// A number read from zov1.ini as a window position in twips: a value no screen position could
// take is held at the nearest end of that range before anything is added to it.
long saved_position(double value);

// Twips to the pixels the placement takes (÷ 15, rounded).
long placement_pixels(long twips);

}  // namespace velmora::shell

#pragma once
// The notification-area icon: "▼" hides the main window into the tray with the time of hiding as
// the icon's tip; releasing the left button over the icon (code 514) brings the strip back.

#include "ui/program.h"

namespace velmora::shell {

// The mouse code of the left button released over the icon.
inline constexpr int kTrayLeftButtonUp = 514;

// Hides the main window and adds the icon, its tip the time of day.
void TskTryIn(ui::Program& program);
// Shows the main window, removes the icon and places the strip on top at its current position.
void TskTryOut(ui::Program& program);
// The icon's mouse events arrive here; only the left button's release is acted on.
void Form_MouseMove(ui::Program& program, int code);

}  // namespace velmora::shell

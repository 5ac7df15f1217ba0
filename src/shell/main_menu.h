#pragma once
// The main window's menu bar and panel switching: "入力" (profile fields, ID/password panel),
// "St" (the stock window), "Mail" (the extraction window), "▼" (into the tray), "⇒" (nothing).

#include "ui/program.h"

namespace velmora::shell {

// The menu bar: 1 the stock window, 2 the extraction window, 3 into the tray, others nothing.
void mn0_Click(ui::Program& program, int index);
// The "入力" submenu: ChForm1(index).
void mn1_Click(ui::Program& program, int index);
// 0 toggles the wide profile layout (right edge kept); 1 toggles the ID panel in the narrow strip.
void ChForm1(ui::Program& program, int k);

}  // namespace velmora::shell

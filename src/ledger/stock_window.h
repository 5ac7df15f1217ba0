#pragma once
// The stock window: the stock list kept in zov5.ini, its reload on activation, the "Check"
// button, copying a row, and taking a row out to open it.

#include "ui/program.h"

namespace velmora::ledger {

// Writes every row of the stock list to zov5.ini; a failure is told to the user.
void SavaData(ui::Program& program);
// SavaData, then the stock window gives way to the main window.
void SaveZOV5(ui::Program& program);
// Fills the stock list from zov5.ini (at start and on every activation).
void load_stock_list(ui::Program& program);
// Shows the stock window in place of the main window, right edges aligned.
void F2Show(ui::Program& program);
// Sets the stock window's handlers.
void wire_stock_window(ui::Program& program);

}  // namespace velmora::ledger

#pragma once
// The stock window: the stock list kept in zov5.ini, its reload on activation, the "Check"
// button, copying a row, and taking a row out to open it.

#include "ui/program.h"

namespace velmora::ledger {

// Writes every row of the stock list to zov5.ini; a failure is told to the user.
void SavaData(ui::Program& program);
// SavaData, then the stock window gives way to the main window.
void SaveZOV5(ui::Program& program);
// Fills the stock list from zov5.ini (at start and on every activation); false when the file
// could not be read (the list is then left empty).
bool load_stock_list(ui::Program& program);
// Shows the stock window in place of the main window, right edges aligned.
void F2Show(ui::Program& program);

// The stock window's handlers, each under the name the program gives it.
void Form_Activate(ui::Program& program);           // reload zov5.ini and place the window on top
void Form_Resize(ui::Program& program);             // fit the list to the window
void List1_Click(ui::Program& program);             // copy the current row
void List1_DblClick(ui::Program& program);          // take the current row out and open it
void Command1_Click(ui::Program& program);          // "Check": the stock check of the clipboard contest
void menu0_Click(ui::Program& program, int index);  // 0 "back"

// Sets the stock window's handlers.
void wire_stock_window(ui::Program& program);

}  // namespace velmora::ledger

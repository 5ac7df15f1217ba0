#pragma once
// The extraction window's life: its load and settings file zov6.ini (in the working directory),
// the format menu and the dispatcher to the parsers and the detail view, the display settings,
// resizing, and the review and continuous import of the extracted contests.
//
//   extract::wire_extraction_window(program);  extract::show_extraction_window(program);

#include "ui/program.h"

namespace velmora::extract {

// Dispatches kind 1 (parse the chosen format) and kind 2 (detail view of the clicked title).
void SelMail(ui::Program& program, int kind);
// Shows the extraction window in place of the main window, right edges aligned ("Mail").
void show_extraction_window(ui::Program& program);
// Sets the window's handlers and its load on first use.
void wire_extraction_window(ui::Program& program);

// The window's own events.
void Form_Load(ui::Program& program);
void Form_QueryUnload(ui::Program& program);
void Form_Resize(ui::Program& program);
void Form_Activate(ui::Program& program);

// The menus: a format of 項目抽出, an Option mark, 各種設定, and the menu bar ("back").
void pre_Click(ui::Program& program, int index);
void mn3_Click(ui::Program& program, int index);
void mn2_Click(ui::Program& program, int index);
void menu0_Click(ui::Program& program, int index);

// 表示設定: opens the choice of formats to offer, or applies it and closes it.
void SetViw(ui::Program& program);
// フォント: not offered and does nothing.
void SetFont(ui::Program& program);

}  // namespace velmora::extract

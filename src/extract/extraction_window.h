#pragma once
// The extraction window's life: its load and settings file zov6.ini (in the working directory),
// the format menu and the dispatcher to the parsers and the detail view, the display settings,
// resizing, and the review and continuous import of the extracted contests.
//
//   extract::wire_extraction_window(program);  extract::show_extraction_window(program);

#include "ui/program.h"

namespace velmora::extract {

// MailNo of the general extractor: beyond the formats' 0 to 25, so that its parse code 130 names
// no format, while its detail code 230 still runs the detail view every format shares.
inline constexpr long kGenericMailNo = 30;

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
// 自動判別: the parser that explains the clipboard's newsletter best, shown as if chosen, its
// name in Label1.
void preAuto_Click(ui::Program& program);
// 汎用: the general extractor.
void preGeneric_Click(ui::Program& program);
// What a choice in 項目抽出 does: MailNo set, the lists and the detail text emptied, the parse.
void choose_extraction(ui::Program& program, long mail_no);
void mn3_Click(ui::Program& program, int index);
void mn2_Click(ui::Program& program, int index);
void menu0_Click(ui::Program& program, int index);

// 表示設定: opens the choice of formats to offer, or applies it and closes it.
void SetViw(ui::Program& program);
// フォント: not offered and does nothing.
void SetFont(ui::Program& program);

}  // namespace velmora::extract

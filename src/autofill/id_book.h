#pragma once
// The ID/password book of the main window's "ID Password" panel: one entry per site,
// title "/" ID "/" password, kept in IdTexts (parallel to List2, plus one empty spare slot) and
// in zov4.ini. A double click types the entry's ID and password into two browser fields.

#include "autofill/hooks.h"
#include "ui/program.h"

namespace velmora::autofill {

// Registers the entry boxes Text4/Text5/Text6 as a new entry and saves the book.
void SetID(ui::Program& program);
void Command20_Click(ui::Program& program);
// Enter (13) moves on: Text4 -> Text5 -> Text6 -> SetID.
void Text4_KeyDown(ui::Program& program, int key_code);
void Text5_KeyDown(ui::Program& program, int key_code);
void Text6_KeyDown(ui::Program& program, int key_code);

// "編集": the selected entry into the entry boxes, entry mode.
void Command15_Click(ui::Program& program);
// "削除": removes the selected entry from list and array; not saved here.
void Command11_Click(ui::Program& program);
// "上" and "下", and the move itself; not saved here.
void Command3_Click(ui::Program& program);
void Command4_Click(ui::Program& program);
void MoveList2(ui::Program& program, int d);

// Appends the title of an entry (the text before the first "/") to List2.
void AddList2(ui::Program& program, std::string_view entry);

// Types the selected entry's ID and then its password into the browser.
void List2_DblClick(ui::Program& program, const Hooks& hooks);

// The panel switches of Command12 ("ID"), Command14 ("At") and Command7 ("複").
void ChID(ui::Program& program);
void ChIK(ui::Program& program);
void ChN(ui::Program& program);

// Fills IdTexts from zov4.ini, with the protected passwords of zov4p.ini put back, and rebuilds
// List2; the protection's mark follows zov4p.ini. Absent files leave the book as it is.
void load_id_book(ui::Program& program);

// "パスワードを保護する": turns the protection on (at once), or off (after asking), and saves.
void mnProtectPasswords_Click(ui::Program& program);

void wire_id_book(ui::Program& program, const Hooks& hooks);

}  // namespace velmora::autofill

#pragma once
// Reviewing what a parser extracted: the detail view and status of a clicked title, selecting
// every title, showing the internal lists, and the continuous import that hands the selected
// contests (deadline and URL, one line each) to the stock check.
//
//   HyoT1(program, kRegistrationKeyword);   // Text1 shows the details, Label1 "OK" / "応募終了！"

#include <string>
#include <string_view>

#include "ui/program.h"

namespace velmora::extract {

// Details that mention this need a member registration.
inline constexpr std::string_view kRegistrationKeyword = "会員登録";

// A click on a title: the detail view, unless the title list is hidden (select-all at work).
void List1_Click(ui::Program& program);
// Shows the details of the current title in Text1 and its status in Label1.
void HyoT1(ui::Program& program, std::string_view keyword);
// 1 when the current title's deadline lies before Today (a missing deadline counts as passed).
int GetData1(ui::Program& program);
// 10 when the shown details (Memo) contain the keyword.
int GetData2(ui::Program& program, std::string_view keyword);

// The import text: for every selected title, its deadline row and URL row, then CR LF.
std::string GetData(ui::Program& program);

// すべて選択.
void Command2_Click(ui::Program& program);
// Selects the title at LineNo.
void OnList1(ui::Program& program);
// 裏List: shows or hides the detail list and the data list, each on its own.
void Command3_Click(ui::Program& program);
// 連続取込: continuous import of the selected contests.
void Command1_Click(ui::Program& program);

}  // namespace velmora::extract

#pragma once
// The contest check: before a contest is opened (mode 1) or stocked (mode 2) it is compared with
// the stock list and the applied history, with the program's notices and questions; and the
// continuous import that runs the stock check over every line of the import text.

#include <string>

#include "ui/program.h"

namespace velmora::ledger {

inline constexpr int kOpeningCheck = 1;
inline constexpr int kStockCheck = 2;

// Checks the contest on the clipboard; returns the result text ("", an applied date, "応募済み",
// or the last answer "6" / "7" / "2").
std::string CheckHistory(ui::Program& program, int mode);

// Runs the stock check on every line of the import text on the clipboard, then saves the stock list.
void ImportItem(ui::Program& program);

}  // namespace velmora::ledger

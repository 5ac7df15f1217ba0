#pragma once
// The contest check: before a contest is opened (mode 1) or stocked (mode 2) it is compared with
// the stock list and the applied history, with the program's notices and questions; and the
// continuous import that runs the stock check over every line of the import text.

#include <string>
#include <string_view>

#include "ui/program.h"

namespace velmora::ledger {

inline constexpr int kOpeningCheck = 1;
inline constexpr int kStockCheck = 2;

// Checks the contest on the clipboard; returns the result text ("", an applied date, "応募済み",
// or the last answer "6" / "7" / "2").
std::string CheckHistory(ui::Program& program, int mode);

// Whether the stock check writes zov5.ini itself (the "Check" button), or leaves the one save to
// its caller (the import checks many contests and saves once, after the last).
enum class StockSave { EachCheck, ByCaller };
class ImportIndex;
// CheckHistory with the choice of who saves the stock list, and for the import an index of the
// lists (it narrows which rows are read; it never changes an answer).
std::string check_contest(ui::Program& program, int mode, StockSave save, ImportIndex* index = nullptr);
// The same check of a contest text handed over directly instead of read from the clipboard: the
// import passes each of its lines, so that whatever another program puts on the clipboard
// meanwhile cannot change the contest checked.
std::string check_contest(ui::Program& program, std::string_view contest_text, int mode, StockSave save,
                          ImportIndex* index = nullptr);

// Runs the stock check on every line of the import text on the clipboard, then saves the stock list.
void ImportItem(ui::Program& program);
// ImportItem of an import text handed over directly (the continuous import's own text).
void import_text(ui::Program& program, std::string_view import);

}  // namespace velmora::ledger

#include <string>

#include "ledger/contest_check.h"
#include "ledger/import_index.h"
#include "ledger/shared_procedures.h"
#include "ledger/stock_window.h"
#include "text/text.h"

namespace velmora::ledger {
namespace {

// The URLs and URL roots the checks of these lines look for, found as the check finds them.
std::vector<std::string> needles_of(const std::vector<std::string>& lines) {
    std::vector<std::string> needles;
    for (const std::string& line : lines) {
        const std::string contest = contest_line(line);
        if (!text::contains(contest, "htt")) {
            continue;
        }
        const std::string url =
            url_with_slash(text::starts_with(contest, "htt") ? contest : text::mid(contest, 11));
        needles.push_back(UrlRoot(url));
        needles.push_back(url);
    }
    return needles;
}

}  // namespace

void ImportItem(ui::Program& program) {
    import_text(program, program.platform.clipboard_text());
}

void import_text(ui::Program& program, std::string_view import) {
    ui::Label& status = program.form3().Label1;
    status.set_colour(ui::Colour::Grey);
    const std::vector<std::string> lines = text::split(import, "\r\n");
    // Made once for all the checks, instead of each check reading every record and entry.
    ImportIndex index(program.form1.List1.rows(), program.form2.List1.rows(), needles_of(lines));
    for (const std::string& line : lines) {
        if (line.empty()) {
            continue;
        }
        // The line stays on the clipboard as before, but the check is handed the line itself: a
        // clipboard that another program changes during a question cannot swap the contest.
        CopyText(program.platform, line);
        // The stock list is saved once, below: zov5.ini is replaced whole either way, and a crash
        // during the import leaves the file as it was before the import.
        if (check_contest(program, line, kStockCheck, StockSave::ByCaller, &index) == "2") {
            break;  // Cancel ends the import; what was stocked so far stays.
        }
        status.set_caption(text::replace_all(program.form2.Command1.caption(), "\r\n", " "));
    }
    status.set_colour(ui::Colour::Black);
    SavaData(program);
}

}  // namespace velmora::ledger

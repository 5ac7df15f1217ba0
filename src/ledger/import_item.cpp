#include <string>

#include "ledger/contest_check.h"
#include "ledger/shared_procedures.h"
#include "ledger/stock_window.h"
#include "text/text.h"

namespace velmora::ledger {

void ImportItem(ui::Program& program) {
    ui::Label& status = program.form3().Label1;
    status.set_colour(ui::Colour::Grey);
    const std::vector<std::string> lines = text::split(program.platform.clipboard_text(), "\r\n");
    for (const std::string& line : lines) {
        if (line.empty()) {
            continue;
        }
        CopyText(program.platform, line);
        // The stock list is saved once, below: zov5.ini is replaced whole either way, and a crash
        // during the import leaves the file as it was before the import.
        if (check_contest(program, kStockCheck, StockSave::ByCaller) == "2") {
            break;  // Cancel ends the import; what was stocked so far stays.
        }
        status.set_caption(text::replace_all(program.form2.Command1.caption(), "\r\n", " "));
    }
    status.set_colour(ui::Colour::Black);
    SavaData(program);
}

}  // namespace velmora::ledger

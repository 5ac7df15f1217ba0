// Not built yet: entry points of the ledger and browser that their own files replace.
// Delete each one here as it gets its real definition.
#include "browser/browser.h"
#include "ledger/calendar.h"
#include "ledger/contest_check.h"
#include "ledger/history.h"
#include "ledger/stock_window.h"

namespace velmora::ledger {

std::string CheckHistory(ui::Program& /*program*/, int /*mode*/) {
    return {};
}
void ImportItem(ui::Program& /*program*/) {}
void LoZov21(ui::Program& /*program*/) {}
void Save2(ui::Program& /*program*/) {}
void HDK(ui::Program& /*program*/) {}
void SavaData(ui::Program& /*program*/) {}
void SaveZOV5(ui::Program& /*program*/) {}
void load_stock_list(ui::Program& /*program*/) {}
void F2Show(ui::Program& /*program*/) {}
void wire_stock_window(ui::Program& /*program*/) {}
void ShowCalendar(ui::Program& /*program*/) {}
void wire_calendar(ui::Program& /*program*/) {}

}  // namespace velmora::ledger

namespace velmora::browser {

void Brauza(ui::Program& /*program*/, std::string& /*text*/) {}
void ShellAuto(ui::Program& /*program*/, std::string_view /*url*/) {}
void WinChange(ui::Program& /*program*/, std::string_view /*url*/) {}
void wire_browser_button(ui::Program& /*program*/) {}

}  // namespace velmora::browser

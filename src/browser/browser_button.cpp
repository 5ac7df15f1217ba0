#include "browser/browser.h"
#include "ledger/shared_procedures.h"
#include "ledger/stock_window.h"
#include "text/text.h"

namespace velmora::browser {

void Command2_Click(ui::Program& program) {
    ui::Form1& form1 = program.form1;
    form1.Command2.set_caption("ブラウザ");
    form1.CurUrl = program.platform.clipboard_text();
    Brauza(program, form1.CurUrl);
}

void Command2_MouseDown(ui::Program& program, ui::MouseButton button) {
    if (button != ui::MouseButton::Right) {
        return;
    }
    ui::Form1& form1 = program.form1;
    ui::ListBox& stock = program.form2.List1;
    if (stock.count() > 0) {
        ledger::CopyText(program.platform, stock.row(0));
        stock.remove_item(0);
        form1.Command2.set_caption(text::decimal(stock.count()) + " stock");
        ledger::SaveZOV5(program);
        form1.CurUrl = program.platform.clipboard_text();
        Brauza(program, form1.CurUrl);
    }
    if (stock.count() == 0) {
        form1.Command2.set_caption("no stock");
    }
}

void wire_browser_button(ui::Program& program) {
    ui::Button& button = program.form1.Command2;
    button.on_click = [&program] { Command2_Click(program); };
    button.on_mousedown = [&program](ui::MouseButton b) { Command2_MouseDown(program, b); };
}

}  // namespace velmora::browser

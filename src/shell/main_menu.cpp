#include "shell/main_menu.h"

#include "extract/extraction_window.h"
#include "ledger/stock_window.h"
#include "shell/tray.h"

namespace velmora::shell {

void mn0_Click(ui::Program& program, int index) {
    switch (index) {
        case 1:
            ledger::F2Show(program);
            break;
        case 2:
            extract::show_extraction_window(program);
            break;
        case 3:
            TskTryIn(program);
            break;
        default:
            break;
    }
}

void mn1_Click(ui::Program& program, int index) {
    ChForm1(program, index);
}

void ChForm1(ui::Program& program, int k) {
    ui::Form1& form = program.form1;
    if (k == 0) {
        form.Frame3.set_visible(false);
        if (form.width() == ui::kNarrowWidth) {
            form.set_left(form.left() - ui::kWideShift);
            form.set_width(ui::kWideWidth);
        } else {
            form.set_left(form.left() + ui::kWideShift);
            form.set_width(ui::kNarrowWidth);
        }
    } else if (k == 1) {
        if (form.width() == ui::kWideWidth) {
            form.set_left(form.left() + ui::kWideShift);
        }
        form.set_width(ui::kNarrowWidth);
        const bool panel_shown = form.Frame3.visible();
        form.Frame3.set_visible(!panel_shown);
        form.List2.set_visible(panel_shown);
    }
}

}  // namespace velmora::shell

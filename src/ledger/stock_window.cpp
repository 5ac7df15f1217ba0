#include "ledger/stock_window.h"

#include "ledger/contest_check.h"
#include "ledger/shared_procedures.h"
#include "store/save_report.h"
#include "store/store.h"

namespace velmora::ledger {

void SavaData(ui::Program& program) {
    store::report_save(program.platform,
                       store::save_stock(program.platform.program_directory(), program.form2.List1.rows()));
}

void SaveZOV5(ui::Program& program) {
    SavaData(program);
    program.form2.hide();
    program.form1.show();
}

bool load_stock_list(ui::Program& program) {
    ui::ListBox& list = program.form2.List1;
    list.clear();
    const auto entries = store::load_stock(program.platform.program_directory());
    if (!entries) {
        return false;
    }
    for (const std::string& entry : *entries) {
        list.add_item(entry);
    }
    return true;
}

void F2Show(ui::Program& program) {
    ui::Form1& form1 = program.form1;
    ui::Form2& form2 = program.form2;
    form2.move(form1.left() + form1.width() - form2.width(), form1.top());
    form1.hide();
    form2.show();
}

void Form_Activate(ui::Program& program) {
    // An unreadable stock file leaves the list empty and the window where it is.
    if (!load_stock_list(program)) {
        return;
    }
    const ui::Geometry& g = program.form2.geometry();
    program.platform.place_topmost("Form2", ui::to_pixels(g.left), ui::to_pixels(g.top),
                                   ui::to_pixels(g.width), ui::to_pixels(g.height));
}

void Form_Resize(ui::Program& program) {
    ui::Form2& form2 = program.form2;
    form2.List1.set_height(form2.height() > 1260 ? form2.height() - 800 : 540);
    form2.List1.set_width(form2.width() > 1680 ? form2.width() - 1005 : 672);
}

void List1_Click(ui::Program& program) {
    const ui::ListBox& list = program.form2.List1;
    if (list.list_index() >= 0) {
        CopyText(program.platform, list.row(list.list_index()));
    }
}

void List1_DblClick(ui::Program& program) {
    ui::ListBox& list = program.form2.List1;
    const long row = list.list_index();
    if (row < 0) {
        return;
    }
    CopyText(program.platform, list.row(row));
    list.remove_item(row);
    SaveZOV5(program);
    // Pressing the main window's "ブラウザ" button opens the contest now on the clipboard.
    if (program.form1.Command2.on_click) {
        program.form1.Command2.on_click();
    }
}

void Command1_Click(ui::Program& program) {
    CheckHistory(program, kStockCheck);
}

void menu0_Click(ui::Program& program, int index) {
    if (index == 0) {
        SaveZOV5(program);
    }
}

void wire_stock_window(ui::Program& program) {
    ui::Form2& form2 = program.form2;
    form2.on_activate = [&program] { Form_Activate(program); };
    form2.on_resize = [&program] { Form_Resize(program); };
    form2.on_query_unload = [&program] { SaveZOV5(program); };
    form2.List1.on_click = [&program] { List1_Click(program); };
    form2.List1.on_dblclick = [&program] { List1_DblClick(program); };
    form2.Command1.on_click = [&program] { Command1_Click(program); };
    for (int i = 0; i < form2.menu0.size(); ++i) {
        form2.menu0[i].on_click = [&program, i] { menu0_Click(program, i); };
    }
}

}  // namespace velmora::ledger

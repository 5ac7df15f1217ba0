#include "extract/extraction_window.h"

#include "extract/review.h"
#include "extract/window_settings.h"
#include "ledger/shared_procedures.h"
#include "store/save_report.h"

namespace velmora::extract {
namespace {

constexpr long kDesignWidth = 7335;

std::filesystem::path settings_path(platform::Platform& platform) {
    return platform.working_directory() / store::path_of(kSettingsFile);
}

bool full_mode(platform::Platform& platform) {
    const auto path = platform.working_directory() / store::path_of(kFullModeName);
    return platform.directory_exists(path) || platform.file_exists(path);
}

// The window goes on top when it is shown, not at its load: the load also runs when only its
// options are read while it stays hidden, and it must not appear on screen then.
void place_on_top(ui::Program& program, ui::Form3& form) {
    if (!form.topmost_due) {
        return;
    }
    form.topmost_due = false;
    const ui::Geometry& g = form.geometry();
    program.platform.place_topmost(form.name(), ui::to_pixels(g.left), ui::to_pixels(g.top),
                                   ui::to_pixels(g.width), ui::to_pixels(g.height));
}

void wire_menus(ui::Program& program, ui::Form3& form) {
    form.preAuto.on_click = [&program] { preAuto_Click(program); };
    form.preGeneric.on_click = [&program] { preGeneric_Click(program); };
    for (int i = 0; i < form.pre.size(); ++i) {
        form.pre[i].on_click = [&program, i] { pre_Click(program, i); };
    }
    for (int i = 0; i < form.mn3.size(); ++i) {
        form.mn3[i].on_click = [&program, i] { mn3_Click(program, i); };
    }
    for (int i = 0; i < form.mn2.size(); ++i) {
        form.mn2[i].on_click = [&program, i] { mn2_Click(program, i); };
    }
    for (int i = 0; i < form.menu0.size(); ++i) {
        form.menu0[i].on_click = [&program, i] { menu0_Click(program, i); };
    }
}

void wire_review(ui::Program& program, ui::Form3& form) {
    form.List1.on_click = [&program] { List1_Click(program); };
    form.Command1.on_click = [&program] { Command1_Click(program); };
    form.Command2.on_click = [&program] { Command2_Click(program); };
    form.Command3.on_click = [&program] { Command3_Click(program); };
}

}  // namespace

void wire_extraction_window(ui::Program& program) {
    ui::Form3& form = program.form3_as_is();
    program.load_form3 = [&program](ui::Form3&) { Form_Load(program); };
    form.on_query_unload = [&program] { Form_QueryUnload(program); };
    form.on_resize = [&program] { Form_Resize(program); };
    form.on_activate = [&program] { Form_Activate(program); };
    wire_menus(program, form);
    wire_review(program, form);
}

void Form_Load(ui::Program& program) {
    ui::Form3& form = program.form3_as_is();
    form.set_width(kDesignWidth);
    form.topmost_due = true;
    if (read_settings(settings_path(program.platform), form) == SettingsRead::Stopped) {
        return;  // a bad line ends the load quietly; what was read stays
    }
    const bool full = full_mode(program.platform);
    if (full) {
        for (int i = 0; i < form.pre.size(); ++i) {
            form.pre[i].set_enabled(true);
        }
    }
    form.Command3.set_visible(!full);
}

void Form_QueryUnload(ui::Program& program) {
    ui::Form3& form = program.form3_as_is();
    store::report_save(program.platform, write_settings(settings_path(program.platform), form));
    form.hide();
    program.form1.show();
}

void Form_Resize(ui::Program& program) {
    ui::Form3& form = program.form3_as_is();
    const long w = form.width();
    const long h = form.height();
    if (w > 300) {
        form.List1.set_width(w - 270);
        form.Text1.set_width(w - 270);
        form.List4.set_width(w - 285);
    }
    if (h > 3000) {
        form.Text1.set_height(h - 2940);
    }
    if (h > 900) {
        form.List4.set_height(h - 855);
    }
    form.Frame1.set_height(h + 500);
    form.Frame1.set_width(w + 500);
}

void Form_Activate(ui::Program& program) {
    program.form3_as_is().Today = ledger::today_text(program.platform.now());
}

void show_extraction_window(ui::Program& program) {
    ui::Form3& form = program.form3();
    ui::Form1& main = program.form1;
    form.move(main.left() + main.width() - form.width(), main.top());
    main.hide();
    place_on_top(program, form);
    form.show();
}

void pre_Click(ui::Program& program, int index) {
    choose_extraction(program, index);
}

void choose_extraction(ui::Program& program, long mail_no) {
    ui::Form3& form = program.form3();
    form.MailNo = mail_no;
    form.List1.clear();
    form.List2.clear();
    form.List3.clear();
    form.Text1.set_text("");
    SelMail(program, 1);
}

void mn3_Click(ui::Program& program, int index) {
    ui::MenuItem& mark = program.form3().mn3[index];
    mark.set_checked(!mark.checked());
}

void mn2_Click(ui::Program& program, int index) {
    if (index == 0) {
        SetViw(program);
    } else if (index == 1) {
        SetFont(program);
    }
}

void SetFont(ui::Program& /*program*/) {}

void menu0_Click(ui::Program& program, int index) {
    if (index != 0) {
        return;  // the other items only open their submenus
    }
    program.form3().hide();
    program.form1.show();
}

}  // namespace velmora::extract

// 表示設定: the user picks which of the enabled formats the 項目抽出 menu offers.
#include <string>

#include "extract/extraction_window.h"

namespace velmora::extract {
namespace {

constexpr int kLockedMenus = 3;  // back, Option and 項目抽出 wait while the choice is open

void lock_menus(ui::Form3& form, bool locked) {
    for (int i = 0; i < kLockedMenus; ++i) {
        form.menu0[i].set_enabled(!locked);
    }
}

void open_choice(ui::Form3& form) {
    form.mn2[0].set_checked(true);
    lock_menus(form, true);
    form.Frame1.set_visible(false);
    form.List4.clear();
    for (int i = 0; i < form.pre.size(); ++i) {
        const ui::MenuItem& item = form.pre[i];
        if (!item.enabled()) {
            continue;
        }
        form.List4.add_item(item.caption());
        if (item.visible()) {
            form.List4.set_selected(form.List4.count() - 1, true);
        }
    }
    form.List4.set_visible(true);
}

ui::MenuItem* format_titled(ui::Form3& form, const std::string& caption) {
    for (int i = 0; i < form.pre.size(); ++i) {
        if (form.pre[i].caption() == caption) {
            return &form.pre[i];
        }
    }
    return nullptr;
}

void apply_choice(ui::Form3& form) {
    form.List4.set_visible(false);
    for (long row = 0; row < form.List4.count(); ++row) {
        ui::MenuItem* item = format_titled(form, form.List4.row(row));
        if (item == nullptr) {
            break;  // a row that names no format ends the applying
        }
        item->set_visible(form.List4.selected(row));
    }
    form.mn2[0].set_checked(false);
    lock_menus(form, false);
    form.Frame1.set_visible(true);
}

}  // namespace

void SetViw(ui::Program& program) {
    ui::Form3& form = program.form3();
    if (form.mn2[0].checked()) {
        apply_choice(form);
    } else {
        open_choice(form);
    }
}

}  // namespace velmora::extract

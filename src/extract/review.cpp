#include "extract/review.h"

#include "extract/extraction_window.h"
#include "extract/primitives.h"
#include "text/text.h"

namespace velmora::extract {
namespace {

std::string current_title(const ui::Form3& form) {
    return form.List1.row(form.List1.list_index());
}

// The first row of the list equal to the text, or -1.
long row_equal_to(const ui::ListBox& list, const std::string& text) {
    for (long i = 0; i < list.count(); ++i) {
        if (list.row(i) == text) {
            return i;
        }
    }
    return -1;
}

}  // namespace

void List1_Click(ui::Program& program) {
    if (program.form3().List1.visible()) {
        SelMail(program, 2);
    }
}

void HyoT1(ui::Program& program, std::string_view keyword) {
    ui::Form3& form = program.form3();
    Primitives x(form, program.platform);
    x.SKK();
    const std::string title = current_title(form);
    long k = 0;
    while (k < form.List2.count() && !text::contains(form.List2.row(k), title)) {
        ++k;
    }
    for (; k < form.List2.count(); ++k) {
        const std::string row = form.List2.row(k);
        form.Memo += row + "\r\n";
        if (text::trim(row).empty()) {
            break;
        }
    }
    form.ItemNo = GetData1(program) + GetData2(program, keyword);
    x.ChLa();
}

int GetData1(ui::Program& program) {
    ui::Form3& form = program.form3();
    const long found = row_equal_to(form.List3, current_title(form));
    const std::string deadline = found < 0 ? std::string() : form.List3.row(found + 1);
    return form.Today > deadline ? 1 : 0;
}

int GetData2(ui::Program& program, std::string_view keyword) {
    return text::contains(program.form3().Memo, keyword) ? 10 : 0;
}

std::string GetData(ui::Program& program) {
    ui::Form3& form = program.form3();
    std::string data;
    for (long i = 0; i < form.List1.count(); ++i) {
        if (!form.List1.selected(i)) {
            continue;
        }
        const long found = row_equal_to(form.List3, form.List1.row(i));
        if (found < 0) {
            continue;
        }
        data += text::trim(form.List3.row(found + 1)) + text::trim(form.List3.row(found + 2)) + "\r\n";
    }
    return data;
}

void Command2_Click(ui::Program& program) {
    ui::Form3& form = program.form3();
    if (form.List1.count() == 0) {
        return;
    }
    // Hidden, so that selecting rows does not run the detail view of each one.
    form.List1.set_visible(false);
    for (form.LineNo = 0; form.LineNo < form.List1.count(); ++form.LineNo) {
        OnList1(program);
    }
    form.List1.set_visible(true);
}

void OnList1(ui::Program& program) {
    ui::Form3& form = program.form3();
    form.List1.set_selected(form.LineNo, true);  // a row that is not there is passed over
}

void Command3_Click(ui::Program& program) {
    ui::Form3& form = program.form3();
    form.List2.set_visible(!form.List2.visible());
    form.List3.set_visible(!form.List3.visible());
}

}  // namespace velmora::extract

#include "extract/review.h"

#include <unordered_map>

#include "extract/extraction_window.h"
#include "extract/primitives.h"
#include "text/step_count.h"
#include "text/text.h"

namespace velmora::extract {
namespace {

std::string current_title(const ui::Form3& form) {
    return form.List1.row(form.List1.list_index());
}

// The first row of the list equal to the text, or -1.
long row_equal_to(const ui::ListBox& list, const std::string& text) {
    for (long i = 0; i < list.count(); ++i) {
        text::count_steps(1);
        if (list.row(i) == text) {
            return i;
        }
    }
    return -1;
}

// The first row of a list equal to each text, found in one pass over the list: the import text
// of many selected titles then reads the data list once, not once per title.
class FirstRows {
public:
    explicit FirstRows(const text::PackedLines& rows) {
        m_first.reserve(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            text::count_steps(1);
            m_first.try_emplace(rows[i], static_cast<long>(i));
        }
    }
    // The row's index, or -1.
    long of(std::string_view text) const {
        text::count_steps(1);
        const auto it = m_first.find(text);
        return it == m_first.end() ? -1 : it->second;
    }

private:
    std::unordered_map<std::string_view, long> m_first;  // views into the list, which stays as it is
};

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
    const FirstRows first_rows(form.List3.rows());
    std::string data;
    for (long i = 0; i < form.List1.count(); ++i) {
        if (!form.List1.selected(i)) {
            continue;
        }
        const long found = first_rows.of(form.List1.row_view(i));
        if (found < 0) {
            continue;
        }
        data.append(text::trim_view(form.List3.row_view(found + 1)));
        data.append(text::trim_view(form.List3.row_view(found + 2)));
        data.append("\r\n");
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

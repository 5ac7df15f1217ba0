#include "autofill/flowchart_editor.h"

#include <string>

#include "autofill/flowchart_code.h"
#include "text/text.h"

namespace velmora::autofill {
namespace {

std::string first_char(std::string_view s) {
    return text::left(s, 1);
}

bool is_digit_line(std::string_view line) {
    const std::string c = first_char(line);
    return c.empty() || (c[0] >= '0' && c[0] <= '9');
}

// Direction lines get "%" (first line) or "T%" (later lines) in front. A field line after the
// first carries the "T" that closes the step before it and the first line carries none, also when
// an insertion at line 0 or a removal of line 0 has moved lines into or out of first place.
std::string finished_line(std::string_view line, long k) {
    if (is_direction(first_char(line))) {
        return (k == 0 ? "%" : "T%") + std::string(line);
    }
    if (k == 0 && first_char(line) == "T") {
        return text::mid(line, 2);
    }
    if (k > 0 && is_digit_line(line)) {
        return "T" + std::string(line);
    }
    return std::string(line);
}

void overwrite_line(ui::Form1& form, long a) {
    form.List4.set_row(a, form.LineText);
    form.List5.set_row(a, form.LineCode);
}

void insert_line(ui::Form1& form, long a) {
    form.List4.insert_item(a, form.LineText);
    form.List5.insert_item(a, form.LineCode);
}

void remove_line(ui::Form1& form, long a) {
    form.List4.remove_item(a);
    form.List5.remove_item(a);
}

void finish(ui::Program& program, const Hooks& hooks) {
    ui::Form1& form = program.form1;
    for (long k = 0; k < form.List5.count(); ++k) {
        form.List5.set_row(k, finished_line(form.List5.row(k), k));
    }
    std::string code = form.List5.row(0);
    for (long k = 1; k < form.List4.count(); ++k) {
        code += "%" + form.List5.row(k);
    }
    long cur = form.List3.list_index();
    if (cur < 0 || cur >= form.List3.count()) {
        // No flowchart selected any more: the edited one is kept as a new flowchart.
        form.List3.add_item(form.Text1.text());
        form.FlowTexts.back() = code;
        form.FlowTexts.emplace_back();
    } else {
        form.List3.set_row(cur, form.Text1.text());
        form.FlowTexts[static_cast<std::size_t>(cur)] = code;
    }
    form.Frame1.set_visible(false);
    form.EditMode = 0;
    hooks.ch_form1(1);
    form.Label5.set_visible(false);
}

}  // namespace

void Command19_Click(ui::Program& program, const Hooks& hooks) {
    ui::Form1& form = program.form1;
    const long cur = form.List3.list_index();
    if (cur < 0 || cur >= form.List3.count()) {
        return;
    }
    form.Frame1.set_visible(true);
    hooks.ch_form1(0);
    form.List4.clear();
    form.List5.clear();
    form.Text1.set_text(form.List3.row(cur));
    form.FlowSegs = text::split(form.FlowTexts[static_cast<std::size_t>(cur)], "%");
    AddList4(program);
    form.EditMode = 2;
    if (form.List4.count() >= 1) {
        form.List4.set_list_index(0);
        form.Label5.set_visible(true);
    }
}

void AddList4(ui::Program& program) {
    ui::Form1& form = program.form1;
    form.List4.clear();
    for (const std::string& s : form.FlowSegs) {
        const std::string c = first_char(s);
        if (is_direction(c)) {
            if (form.List4.count() > 0) {
                form.List4.remove_item(form.List4.count() - 1);
                form.List5.remove_item(form.List5.count() - 1);
            }
            form.List4.add_item(direction_char(c) + text::mid(s, 2));
        } else {
            form.List4.add_item(AddList4a(form, c == "T" ? text::mid(s, 2) : s));
        }
        form.List5.add_item(s);
    }
}

void List4_Click(ui::Program& program) {
    ui::Form1& form = program.form1;
    const long a = form.List4.list_index();
    const std::string code = form.List5.row(a);
    const std::string c = first_char(code);
    if (a < 0 || !is_direction(c)) {
        form.Text2.set_text("1");
        return;
    }
    form.Text2.set_text(text::mid(form.List4.row(a), 2));
    // The whole direction with its count, so that writing the line back keeps it intact.
    form.FlowBuf = c + two_digit_count(text::mid(code, 2));
}

void List4Add(ui::Program& program, int keep) {
    ui::Form1& form = program.form1;
    const std::string c = first_char(form.FlowBuf);
    if (form.FlowBuf.empty()) {
        form.FlowBuf = "T";
        form.LineText.clear();
        form.LineCode = "T";
    } else if (is_direction(c)) {
        form.LineText = direction_char(c) + text::mid(form.FlowBuf, 2);
        form.LineCode = form.FlowBuf;
    } else {
        if (c == "T") {
            form.FlowBuf = text::mid(form.FlowBuf, 2);
        }
        form.LineText = AddList4a(form, form.FlowBuf);
        if (form.List4.list_index() > 0) {
            form.FlowBuf = "T" + form.FlowBuf;
        }
        form.LineCode = form.FlowBuf;
    }
    if (keep == 0) {
        form.FlowBuf.clear();
    }
}

void La5Add(ui::Program& program) {
    List4Add(program, 1);
    program.form1.Label5.set_caption(program.form1.LineText);
}

void Command21_Click(ui::Program& program, int i, const Hooks& hooks) {
    static const char* const letters[] = {"U", "L", "R", "D"};
    ui::Form1& form = program.form1;
    const long a = form.List4.list_index();
    const bool line = a >= 0 && a < form.List4.count();
    switch (i) {
        case 0:
        case 1:
            if (line) {
                List4Add(program, 0);
                if (i == 0) {
                    overwrite_line(form, a);
                } else {
                    insert_line(form, a);
                }
            }
            break;
        case 2:
            if (line) {
                remove_line(form, a);
            }
            break;
        case 3:
            finish(program, hooks);
            break;
        case 4:
        case 5:
        case 6:
        case 7:
            form.FlowBuf = letters[i - 4] + two_digit_count(form.Text2.text());
            La5Add(program);
            break;
        case 8:
            form.FlowBuf.clear();
            La5Add(program);
            break;
        default:
            break;
    }
}

void wire_flowchart_editor(ui::Program& program, const Hooks& hooks) {
    ui::Form1& form = program.form1;
    ui::Program* p = &program;
    form.Command19.on_click = [p, hooks] { Command19_Click(*p, hooks); };
    form.List4.on_click = [p] { List4_Click(*p); };
    for (int i = 0; i < form.Command21.size(); ++i) {
        form.Command21[i].on_click = [p, i, hooks] { Command21_Click(*p, i, hooks); };
    }
}

}  // namespace velmora::autofill

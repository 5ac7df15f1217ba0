#include "autofill/recorder.h"

#include <cmath>
#include <string>

#include "autofill/autofill.h"
#include "autofill/flowchart_code.h"
#include "autofill/flowchart_editor.h"
#include "text/text.h"

namespace velmora::autofill {
namespace {

// The count box's value as the preview shows it: 3 for "3", 0 for "".
std::string count_value(std::string_view box) {
    const double value = text::leading_number(box);
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15) {
        return text::decimal(static_cast<long>(value));
    }
    std::string shown = std::to_string(value);
    while (!shown.empty() && shown.back() == '0') {
        shown.pop_back();
    }
    return shown;
}

void end_step(ui::Form1& form) {
    form.FlowPos = text::length(form.FlowBuf);
}

}  // namespace

void Command8_Click(ui::Program& program) {
    ui::Form1& form = program.form1;
    form.Frame2.set_visible(true);
    form.Command8.set_enabled(false);
    form.Command9.set_enabled(true);
    form.Command10.set_enabled(true);
    form.EditMode = 1;
    form.FlowBuf.clear();
    form.FlowPos = 0;
    form.Label5.set_visible(true);
}

void Text_GotFocus(ui::Program& program, int n) {
    ui::Form1& form = program.form1;
    if (form.EditMode == 1) {
        form.FlowBuf += two_digit_field(n);
        const std::string whole = form.FlowBuf;
        form.FlowBuf = text::mid(whole, form.FlowPos + 1);
        La5Add(program);
        form.FlowBuf = whole;
    } else if (form.EditMode == 2) {
        if (is_direction(text::left(form.FlowBuf, 1))) {
            form.FlowBuf.clear();
        }
        form.FlowBuf += two_digit_field(n);
        La5Add(program);
    }
}

void Command9_Click(ui::Program& program) {
    ui::Form1& form = program.form1;
    form.FlowBuf += "%T";
    end_step(form);
    form.Label5.set_caption("");
}

void Command13_Click(ui::Program& program, int d) {
    static const char* const letters[] = {"U", "L", "R", "D"};
    if (d < 0 || d > 3) {
        return;
    }
    ui::Form1& form = program.form1;
    form.FlowBuf += std::string("%") + letters[d] + two_digit_count(form.Text7.text()) + "%T";
    form.Label5.set_caption(direction_char(letters[d]) + count_value(form.Text7.text()));
    end_step(form);
}

void Command10_Click(ui::Program& program) {
    ui::Form1& form = program.form1;
    form.Frame2.set_visible(false);
    form.Command8.set_enabled(true);
    form.Command9.set_enabled(false);
    form.Command10.set_enabled(false);
    form.EditMode = 0;
    form.FlowTexts.back() = form.FlowBuf;
    form.FlowTexts.emplace_back();
    form.List3.add_item(form.Text3.text());
    form.move(form.left() + ui::kWideShift, form.top());
    form.set_width(ui::kNarrowWidth);
    Save3(program);
    form.Label5.set_visible(false);
}

void Text3_GotFocus(ui::Program& program) {
    ui::TextBox& box = program.form1.Text3;
    box.set_selection(0, text::length(box.text()));
}

void wire_recorder(ui::Program& program) {
    ui::Form1& form = program.form1;
    ui::Program* p = &program;
    form.Command8.on_click = [p] { Command8_Click(*p); };
    form.Command9.on_click = [p] { Command9_Click(*p); };
    form.Command10.on_click = [p] { Command10_Click(*p); };
    for (int d = 0; d < form.Command13.size(); ++d) {
        form.Command13[d].on_click = [p, d] { Command13_Click(*p, d); };
    }
    for (int n = 0; n < form.Text.size(); ++n) {
        form.Text[n].on_gotfocus = [p, n] { Text_GotFocus(*p, n); };
    }
    form.Text3.on_gotfocus = [p] { Text3_GotFocus(*p); };
}

}  // namespace velmora::autofill

#include "autofill/flowchart_list.h"

#include <string>
#include <utility>
#include <vector>

#include "autofill/autofill.h"
#include "store/save_report.h"
#include "store/store.h"
#include "text/text.h"

namespace velmora::autofill {
namespace {

const std::string kJoin = "%0";

// The number of flowcharts: FlowTexts holds one spare slot more.
long flowcharts(const ui::Form1& form) {
    return static_cast<long>(form.FlowTexts.size()) - 1;
}

// Every code becomes its combined form, title "%0" code.
void combine_all(ui::Form1& form) {
    for (long i = 0; i < flowcharts(form); ++i) {
        std::string& slot = form.FlowTexts[static_cast<std::size_t>(i)];
        slot = form.List3.row(i) + kJoin + slot;
    }
}

// The code part of a combined text; a text without "%0" is all title and has no code.
std::string code_of(std::string_view combined) {
    const long at = text::find(combined, kJoin);
    return at == 0 ? std::string() : text::mid(combined, at + 2);
}

}  // namespace

void Save3(ui::Program& program) {
    const ui::Form1& form = program.form1;
    std::vector<store::Flowchart> list;
    for (long i = 0; i < form.List3.count(); ++i) {
        const auto slot = static_cast<std::size_t>(i);
        list.push_back({form.List3.row(i), slot < form.FlowTexts.size() ? form.FlowTexts[slot] : ""});
    }
    store::report_save(program.platform, store::save_flowcharts(program.platform.program_directory(), list));
}

void AddList3(ui::Program& program, std::string_view combined) {
    const long at = text::find(combined, kJoin);
    program.form1.List3.add_item(at == 0 ? std::string(combined) : text::left(combined, at - 1));
}

void AddList3a(ui::Program& program) {
    ui::Form1& form = program.form1;
    form.List3.clear();
    for (long i = 0; i < flowcharts(form); ++i) {
        std::string& slot = form.FlowTexts[static_cast<std::size_t>(i)];
        AddList3(program, slot);
        slot = code_of(slot);
    }
}

void MoveList3(ui::Program& program, int d) {
    ui::Form1& form = program.form1;
    const long cur = form.List3.list_index();
    const long to = cur + d;
    if (cur < 0 || to < 0 || cur >= flowcharts(form) || to >= flowcharts(form)) {
        return;
    }
    form.List3.set_visible(false);
    combine_all(form);
    std::swap(form.FlowTexts[static_cast<std::size_t>(to)], form.FlowTexts[static_cast<std::size_t>(cur)]);
    AddList3a(program);
    form.List3.set_visible(true);
    form.List3.set_list_index(to);
}

void Command16_Click(ui::Program& program) {
    if (program.form1.List3.list_index() > 0) {
        MoveList3(program, -1);
    }
}

void Command17_Click(ui::Program& program) {
    const ui::ListBox& list = program.form1.List3;
    if (list.list_index() >= 0 && list.list_index() < list.count() - 1) {
        MoveList3(program, +1);
    }
}

void Command18_Click(ui::Program& program) {
    ui::Form1& form = program.form1;
    const long cur = form.List3.list_index();
    if (cur < 0 || cur >= flowcharts(form)) {
        return;
    }
    form.List3.set_visible(false);
    combine_all(form);
    form.FlowTexts.erase(form.FlowTexts.begin() + cur);
    AddList3a(program);
    form.List3.set_visible(true);
}

void load_flowcharts(ui::Program& program) {
    ui::Form1& form = program.form1;
    form.List3.clear();
    form.FlowTexts.assign(1, std::string());
    const auto list = store::load_flowcharts(program.platform.program_directory());
    if (!list) {
        return;
    }
    for (const store::Flowchart& flowchart : *list) {
        form.List3.add_item(flowchart.title);
        form.FlowTexts.back() = flowchart.code;
        form.FlowTexts.emplace_back();
    }
}

void wire_flowchart_list(ui::Program& program) {
    ui::Form1& form = program.form1;
    ui::Program* p = &program;
    form.Command16.on_click = [p] { Command16_Click(*p); };
    form.Command17.on_click = [p] { Command17_Click(*p); };
    form.Command18.on_click = [p] { Command18_Click(*p); };
}

}  // namespace velmora::autofill

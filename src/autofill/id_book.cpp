#include "autofill/id_book.h"

#include <string>
#include <utility>
#include <vector>

#include "autofill/autofill.h"
#include "autofill/sending.h"
#include "store/save_report.h"
#include "store/store.h"
#include "text/text.h"

namespace velmora::autofill {
namespace {

constexpr int kEnter = 13;

struct EntryParts {
    std::string title;
    std::string id;
    std::string password;
    int slashes = 0;  // how many of the two "/" the entry has
};

// Title before the first "/", ID up to the second, password the rest (it may hold "/").
EntryParts split_entry(std::string_view entry) {
    EntryParts parts;
    const long first = text::find(entry, "/");
    if (first == 0) {
        parts.title = std::string(entry);
        return parts;
    }
    parts.title = text::left(entry, first - 1);
    const std::string rest = text::mid(entry, first + 1);
    const long second = text::find(rest, "/");
    parts.slashes = second == 0 ? 1 : 2;
    parts.id = second == 0 ? rest : text::left(rest, second - 1);
    parts.password = second == 0 ? std::string() : text::mid(rest, second + 1);
    return parts;
}

// The number of entries: IdTexts holds one spare slot more.
long entries(const ui::Form1& form) {
    return static_cast<long>(form.IdTexts.size()) - 1;
}

}  // namespace

void Save4(ui::Program& program) {
    const std::vector<std::string>& slots = program.form1.IdTexts;
    const std::vector<std::string> book(slots.begin(), slots.end() - 1);
    store::report_save(program.platform, store::save_id_book(program.platform.program_directory(), book));
}

void AddList2(ui::Program& program, std::string_view entry) {
    program.form1.List2.add_item(split_entry(entry).title);
}

void AddList2a(ui::Program& program) {
    ui::Form1& form = program.form1;
    form.List2.clear();
    for (long i = 0; i < entries(form); ++i) {
        AddList2(program, form.IdTexts[static_cast<std::size_t>(i)]);
    }
}

void SetID(ui::Program& program) {
    ui::Form1& form = program.form1;
    form.IdTexts.back() = form.Text4.text() + "/" + form.Text5.text() + "/" + form.Text6.text();
    form.IdTexts.emplace_back();
    form.List2.add_item(form.Text4.text());
    // The boxes are emptied once the entry is kept, so that no password stays on the screen.
    for (ui::TextBox* box : {&form.Text4, &form.Text5, &form.Text6}) {
        box->set_text("");
    }
    form.List2.set_visible(true);
    form.Command20.set_visible(false);
    Save4(program);
}

void Command20_Click(ui::Program& program) {
    SetID(program);
}

// Enter in the title and ID boxes moves on to the next box.
void Text4_KeyDown(ui::Program& program, int key_code) {
    if (key_code == kEnter) {
        program.form1.set_focus(program.form1.Text5);
    }
}

void Text5_KeyDown(ui::Program& program, int key_code) {
    if (key_code == kEnter) {
        program.form1.set_focus(program.form1.Text6);
    }
}

void Text6_KeyDown(ui::Program& program, int key_code) {
    if (key_code == kEnter) {
        SetID(program);
    }
}

void Command15_Click(ui::Program& program) {
    ui::Form1& form = program.form1;
    const long cur = form.List2.list_index();
    if (cur < 0 || cur >= entries(form)) {
        return;
    }
    const EntryParts parts = split_entry(form.IdTexts[static_cast<std::size_t>(cur)]);
    form.Text4.set_text(parts.title);
    form.Text5.set_text(parts.id);
    form.Text6.set_text(parts.password);
    form.List2.set_visible(false);
    form.Command20.set_visible(true);
}

void Command11_Click(ui::Program& program) {
    ui::Form1& form = program.form1;
    const long cur = form.List2.list_index();
    if (cur < 0 || cur >= entries(form)) {
        return;
    }
    form.Frame3.set_visible(false);
    form.IdTexts.erase(form.IdTexts.begin() + cur);
    AddList2a(program);
    form.Frame3.set_visible(true);
}

void MoveList2(ui::Program& program, int d) {
    ui::Form1& form = program.form1;
    const long cur = form.List2.list_index();
    const long to = cur + d;
    if (cur < 0 || to < 0 || cur >= entries(form) || to >= entries(form)) {
        return;
    }
    form.Frame3.set_visible(false);
    std::swap(form.IdTexts[static_cast<std::size_t>(to)], form.IdTexts[static_cast<std::size_t>(cur)]);
    AddList2a(program);
    form.List2.set_list_index(to);
    form.Frame3.set_visible(true);
}

void Command3_Click(ui::Program& program) {
    if (program.form1.List2.list_index() > 0) {
        MoveList2(program, -1);
    }
}

void Command4_Click(ui::Program& program) {
    const ui::ListBox& list = program.form1.List2;
    if (list.list_index() >= 0 && list.list_index() < list.count() - 1) {
        MoveList2(program, +1);
    }
}

void List2_DblClick(ui::Program& program, const Hooks& hooks) {
    ui::Form1& form = program.form1;
    const long cur = form.List2.list_index();
    if (cur < 0 || cur >= entries(form)) {
        return;
    }
    const EntryParts parts = split_entry(form.IdTexts[static_cast<std::size_t>(cur)]);
    if (parts.slashes < 2) {
        return;  // a hand-made line that is no entry: nothing to type
    }
    if (ApAct(program) == 1) {
        return;
    }
    SendTabText(program.platform, parts.id);
    SendTabText(program.platform, parts.password);
    hooks.sent();
}

void ChID(ui::Program& program) {
    ui::Form1& form = program.form1;
    form.Frame3.set_visible(true);
    form.Frame4.set_visible(false);
    form.List2.set_visible(true);
    form.Command20.set_visible(false);
    form.Check1.set_visible(false);
}

void ChIK(ui::Program& program) {
    program.form1.Frame4.set_visible(true);
    program.form1.Check1.set_visible(false);
}

void ChN(ui::Program& program) {
    ui::Form1& form = program.form1;
    form.Frame3.set_visible(false);
    form.Frame4.set_visible(false);
    form.Check1.set_visible(true);
}

void load_id_book(ui::Program& program) {
    ui::Form1& form = program.form1;
    form.IdTexts.assign(1, std::string());
    const auto book = store::load_id_book(program.platform.program_directory());
    if (!book) {
        return;
    }
    for (const std::string& entry : *book) {
        form.IdTexts.back() = entry;
        form.IdTexts.emplace_back();
    }
    AddList2a(program);
}

void wire_id_book(ui::Program& program, const Hooks& hooks) {
    ui::Form1& form = program.form1;
    ui::Program* p = &program;
    form.Command20.on_click = [p] { Command20_Click(*p); };
    form.Text4.on_keydown = [p](int key) { Text4_KeyDown(*p, key); };
    form.Text5.on_keydown = [p](int key) { Text5_KeyDown(*p, key); };
    form.Text6.on_keydown = [p](int key) { Text6_KeyDown(*p, key); };
    form.Command15.on_click = [p] { Command15_Click(*p); };
    form.Command11.on_click = [p] { Command11_Click(*p); };
    form.Command3.on_click = [p] { Command3_Click(*p); };
    form.Command4.on_click = [p] { Command4_Click(*p); };
    form.List2.on_dblclick = [p, hooks] { List2_DblClick(*p, hooks); };
    form.Command12.on_click = [p] { ChID(*p); };
    form.Command14.on_click = [p] { ChIK(*p); };
    form.Command7.on_click = [p] { ChN(*p); };
    form.Command12.on_mousedown = [hooks](ui::MouseButton b) {
        if (b == ui::MouseButton::Right) {
            hooks.ch_form1(1);
        }
    };
    form.Command14.on_mousedown = [hooks](ui::MouseButton b) {
        if (b == ui::MouseButton::Right) {
            hooks.ch_form1(0);
        }
    };
}

}  // namespace velmora::autofill

#include "autofill/id_book.h"

#include <string>
#include <utility>
#include <vector>

#include "autofill/autofill.h"
#include "autofill/password_book.h"
#include "autofill/sending.h"
#include "platform/send_run.h"

namespace velmora::autofill {
namespace {

constexpr int kEnter = 13;
// The list row of an entry whose password cannot be read here starts with this.
const std::string kUnreadableRowMark = "【読めない】";
constexpr std::string_view kUnreadableRefusal =
    "このパスワードは、このパソコンのこのユーザーでは読めないため入力しません。\r\n"
    "（別のユーザーや別のパソコンで保護されたか、zov4p.ini が壊れています。"
    "保護されたパスワードはそのまま残してあります。）";

// The number of entries: IdTexts holds one spare slot more.
long entries(const ui::Form1& form) {
    return static_cast<long>(form.IdTexts.size()) - 1;
}

}  // namespace

void AddList2(ui::Program& program, std::string_view entry) {
    const EntryParts parts = split_entry(entry);
    program.form1.List2.add_item(is_unreadable_password(parts.password) ? kUnreadableRowMark + parts.title
                                                                        : parts.title);
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
    // A password that cannot be read here is never shown; registering anew needs it typed again.
    form.Text6.set_text(is_unreadable_password(parts.password) ? std::string() : parts.password);
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
    if (is_unreadable_password(parts.password)) {
        program.platform.message_box(kUnreadableRefusal, platform::Buttons::Ok);
        return;
    }
    platform::SendRun run(program.platform);
    if (ApAct(program) == 1) {
        return;
    }
    SendTabText(program.platform, parts.id);
    SendTabText(program.platform, parts.password);
    finish_run(program, run, hooks);
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
    form.mnProtectPasswords.on_click = [p] { mnProtectPasswords_Click(*p); };
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

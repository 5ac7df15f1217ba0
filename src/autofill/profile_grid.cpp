#include "autofill/profile_grid.h"

#include <string>

#include "autofill/sending.h"

namespace velmora::autofill {
namespace {

const std::string& part(ui::Program& program, int r, int k) {
    return program.form1.Text[5 * r + k].text();
}

void offer(ui::Program& program, int r, int k, ui::MouseButton button) {
    if (button != ui::MouseButton::Right) {
        return;
    }
    ui::Form1& form = program.form1;
    form.mn2[0].set_caption(part(program, r, k));
    form.popup_menu(form.mn3);
}

}  // namespace

void Command1_Click(ui::Program& program, int r, const Hooks& hooks) {
    platform::SendRun run(program.platform);
    if (ApAct(program) == 1) {
        return;
    }
    SendTabText(program.platform, part(program, r, 1) + part(program, r, 2) + part(program, r, 3));
    finish_run(program, run, hooks);
}

void Command5_Click(ui::Program& program, int r, const Hooks& hooks) {
    std::string sep = part(program, r, 4);
    if (sep.empty()) {
        sep = "\u3000";
    }
    std::string text = part(program, r, 1);
    for (int k = 2; k <= 3; ++k) {
        if (part(program, r, k).empty()) {
            break;
        }
        text += sep + part(program, r, k);
    }
    platform::SendRun run(program.platform);
    if (ApAct(program) == 1) {
        return;
    }
    SendTabText(program.platform, text);
    finish_run(program, run, hooks);
}

void Command6_Click(ui::Program& program, int r, const Hooks& hooks) {
    platform::SendRun run(program.platform);
    if (ApAct(program) == 1) {
        return;
    }
    for (int k = 1; k <= 3 && !run.stopped(); ++k) {
        SendTabText(program.platform, part(program, r, k));
    }
    finish_run(program, run, hooks);
}

void Command1_MouseDown(ui::Program& program, int r, ui::MouseButton button) {
    offer(program, r, 1, button);
}
void Command5_MouseDown(ui::Program& program, int r, ui::MouseButton button) {
    offer(program, r, 2, button);
}
void Command6_MouseDown(ui::Program& program, int r, ui::MouseButton button) {
    offer(program, r, 3, button);
}

void mn2_Click(ui::Program& program, int i, const Hooks& hooks) {
    platform::SendRun run(program.platform);
    if (ApAct(program) == 1) {
        return;
    }
    const std::string t = program.form1.mn2[0].caption();
    if (i == 0) {
        SendTabRightText(program.platform, t);
    } else {
        SendTabText(program.platform, t);
    }
    finish_run(program, run, hooks);
}

void wire_profile_grid(ui::Program& program, const Hooks& hooks) {
    ui::Form1& form = program.form1;
    ui::Program* p = &program;
    for (int r = 0; r < ui::kProfileRows; ++r) {
        form.Command1[r].on_click = [p, r, hooks] { Command1_Click(*p, r, hooks); };
        form.Command5[r].on_click = [p, r, hooks] { Command5_Click(*p, r, hooks); };
        form.Command6[r].on_click = [p, r, hooks] { Command6_Click(*p, r, hooks); };
        form.Command1[r].on_mousedown = [p, r](ui::MouseButton b) { Command1_MouseDown(*p, r, b); };
        form.Command5[r].on_mousedown = [p, r](ui::MouseButton b) { Command5_MouseDown(*p, r, b); };
        form.Command6[r].on_mousedown = [p, r](ui::MouseButton b) { Command6_MouseDown(*p, r, b); };
    }
    for (int i = 0; i < form.mn2.size(); ++i) {
        form.mn2[i].on_click = [p, i, hooks] { mn2_Click(*p, i, hooks); };
    }
}

}  // namespace velmora::autofill

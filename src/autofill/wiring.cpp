#include <utility>

#include "autofill/autofill.h"
#include "autofill/flowchart_editor.h"
#include "autofill/flowchart_list.h"
#include "autofill/id_book.h"
#include "autofill/profile_grid.h"
#include "autofill/recorder.h"
#include "autofill/runner.h"

namespace velmora::autofill {

void wire_autofill(ui::Program& program, const Hooks& hooks) {
    wire_profile_grid(program, hooks);
    wire_id_book(program, hooks);
    wire_recorder(program);
    wire_flowchart_list(program);
    wire_flowchart_editor(program, hooks);
    ui::Program* p = &program;
    program.form1.List3.on_dblclick = [p, hooks] { List3_DblClick(*p, hooks); };
}

void wire_autofill(ui::Program& program, std::function<void()> after_send) {
    wire_autofill(program, Hooks{std::move(after_send), {}});
}

void wire_autofill(ui::Program& program, std::function<void()> after_send,
                   std::function<void(int)> ch_form1) {
    wire_autofill(program, Hooks{std::move(after_send), std::move(ch_form1)});
}

}  // namespace velmora::autofill

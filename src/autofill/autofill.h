#pragma once
// The form fillers of the main window: the profile row buttons and their popup, the ID/password
// book, and the flowchart recorder, editor and runner. After a send that found the browser,
// `after_send` is called once (the history update of the contest last opened); `ch_form1` is the
// main window's layout switch that the panels and the editor call.
//
//   autofill::wire_autofill(program, [&] { HDK(program); }, [&](int k) { ChForm1(program, k); });

#include <functional>

#include "autofill/hooks.h"
#include "ui/program.h"

namespace velmora::autofill {

// Writes the flowcharts to zov3.ini; a failure is told to the user.
void Save3(ui::Program& program);
// Writes the ID/password book to zov4.ini, and with the protection on (or passwords that cannot
// be read here) the protected passwords to zov4p.ini; a failure is told to the user. False then.
bool Save4(ui::Program& program);
// Rebuilds the ID list from IdTexts.
void AddList2a(ui::Program& program);

// Start-up: List3/FlowTexts from zov3.ini, IdTexts/List2 from zov4.ini (absent files: empty).
void load_flowcharts(ui::Program& program);
void load_id_book(ui::Program& program);

// Sets the handlers of the profile grid, the ID/password panel and the flowchart panels.
void wire_autofill(ui::Program& program, std::function<void()> after_send);
void wire_autofill(ui::Program& program, std::function<void()> after_send, std::function<void(int)> ch_form1);
void wire_autofill(ui::Program& program, const Hooks& hooks);

}  // namespace velmora::autofill

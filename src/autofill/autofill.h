#pragma once
// The form fillers of the main window: the profile row buttons and their popup, the ID/password
// book, and the flowchart recorder, editor and runner. After a send that found the browser,
// `after_send` is called once (the history update of the contest last opened).

#include <functional>

#include "ui/program.h"

namespace velmora::autofill {

// Writes the flowcharts to zov3.ini; a failure is told to the user.
void Save3(ui::Program& program);
// Writes the ID/password book to zov4.ini; a failure is told to the user.
void Save4(ui::Program& program);
// Rebuilds the ID list from IdTexts.
void AddList2a(ui::Program& program);

// Sets the handlers of the profile grid, the ID/password panel and the flowchart panels.
void wire_autofill(ui::Program& program, std::function<void()> after_send);

}  // namespace velmora::autofill

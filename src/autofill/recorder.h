#pragma once
// Recording a flowchart: "一括入力" starts it, every profile field that gets the focus adds its
// two-digit number, "TAB" ends a step, the direction pad adds an arrow step, and "END" stores the
// code under the title in Text3 and saves the list. Label5 previews the current step.

#include "ui/program.h"

namespace velmora::autofill {

void Command8_Click(ui::Program& program);
// A profile field got the focus: recorded in mode 1, an editor line in mode 2, nothing in mode 0.
void Text_GotFocus(ui::Program& program, int n);
void Command9_Click(ui::Program& program);
// d = 0 上, 1 左, 2 右, 3 下, with the count from Text7.
void Command13_Click(ui::Program& program, int d);
void Command10_Click(ui::Program& program);
void Text3_GotFocus(ui::Program& program);

void wire_recorder(ui::Program& program);

}  // namespace velmora::autofill

#pragma once
// Running a flowchart: its code becomes one key step per "%T" (SendSteps), the browser comes to
// the front and every step is typed Tab-wrapped into the next field of the entry form.

#include "autofill/hooks.h"
#include "ui/program.h"

namespace velmora::autofill {

// Runs the selected flowchart of List3; after_send once when the browser was found.
void List3_DblClick(ui::Program& program, const Hooks& hooks);

}  // namespace velmora::autofill

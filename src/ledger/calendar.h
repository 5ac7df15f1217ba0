#pragma once
// The deadline calendar beside the main window: a click on the deadline label shows it, a click
// on a day writes that day into the label.

#include "ui/program.h"

namespace velmora::ledger {

void ShowCalendar(ui::Program& program);
// Sets the handlers of the deadline label and the calendar.
void wire_calendar(ui::Program& program);

}  // namespace velmora::ledger

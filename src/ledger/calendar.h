#pragma once
// The deadline calendar beside the main window: a click on the deadline label shows it, a click
// on a day writes that day into the label.

#include "ui/program.h"

namespace velmora::ledger {

void ShowCalendar(ui::Program& program);
// The deadline label: shows the calendar and arms the next history update.
void Label6_Click(ui::Program& program);
// A day clicked on the calendar becomes the deadline; the calendar hides.
void MonthView1_DateClick(ui::Program& program);
// Sets the handlers of the deadline label and the calendar.
void wire_calendar(ui::Program& program);

}  // namespace velmora::ledger

#include "ledger/calendar.h"

namespace velmora::ledger {

void ShowCalendar(ui::Program& program) {
    ui::Form5& form5 = program.form5;
    form5.move(program.form1.left() - 2400, program.form1.top());
    form5.show();
}

void Label6_Click(ui::Program& program) {
    ShowCalendar(program);
    program.form1.HisPending = 1;
}

void MonthView1_DateClick(ui::Program& program) {
    ui::Label& deadline = program.form1.Label6;
    deadline.set_caption(locale::format_date(program.form5.MonthView1.date()));
    deadline.set_colour(ui::Colour::Normal);
    program.form5.hide();
}

void wire_calendar(ui::Program& program) {
    program.form1.Label6.on_click = [&program] { Label6_Click(program); };
    program.form5.MonthView1.on_dateclick = [&program] { MonthView1_DateClick(program); };
}

}  // namespace velmora::ledger

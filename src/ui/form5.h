#pragma once
// The deadline calendar: a small window holding only a month calendar; a click on a day writes
// that day into the main window's deadline label.

#include "ui/window.h"

namespace velmora::ui {

class Form5 : public Window {
public:
    Form5();

    Calendar MonthView1{"MonthView1"};
};

}  // namespace velmora::ui

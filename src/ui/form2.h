#pragma once
// The stock window "Stock mode": the contests collected to enter later, one stock entry per row,
// the "Check" button that stocks the clipboard contest, and the "back" menu.

#include "ui/window.h"

namespace velmora::ui {

class Form2 : public Window {
public:
    Form2();

    Button Command1{"Command1"};
    ListBox List1{"List1"};
    ControlArray<MenuItem> menu0;  // back
};

}  // namespace velmora::ui

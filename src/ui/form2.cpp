#include "ui/form2.h"

namespace velmora::ui {

Form2::Form2() : Window("Form2") {
    set_caption("Stock mode");
    move(0, 0);
    set_size(4800, 5325);
    Command1.set_caption("Check");
    Command1.set_geometry({60, 60, 675, 495});
    List1.set_geometry({780, 60, 3795, 4525});
    menu0.add("menu0").set_caption("back");
    add(Command1);
    add(List1);
    add_all(menu0);
}

}  // namespace velmora::ui

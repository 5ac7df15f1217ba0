#include "ui/form5.h"

namespace velmora::ui {

Form5::Form5() : Window("Form5") {
    set_caption("");
    set_size(2385, 2190);
    MonthView1.set_geometry({0, 0, 2385, 2190});
    add(MonthView1);
}

}  // namespace velmora::ui

#include "ui/form4.h"

namespace velmora::ui {

Form4::Form4() : Window("Form4") {
    set_caption("Option");
    set_size(4800, 2400);
    Frame1.set_caption("ストックオプション");
    Frame1.set_geometry({120, 120, 4455, 1800});
    Check1.set_caption("応募時の履歴更新時に確認");
    Check1.set_geometry({120, 300, 4200, 315});
    Check1.set_container(&Frame1);
    Check4.set_caption("更新後、それ以前の履歴の削除の確認をする");
    Check4.set_geometry({120, 660, 4200, 315});
    Check4.set_container(&Frame1);
    add(Frame1);
    add(Check1);
    add(Check4);
}

}  // namespace velmora::ui

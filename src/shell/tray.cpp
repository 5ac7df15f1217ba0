#include "shell/tray.h"

#include "shell/main_window.h"

namespace velmora::shell {

void TskTryIn(ui::Program& program) {
    program.form1.hide();
    program.platform.tray_add(locale::format_time(program.platform.now()));
}

void TskTryOut(ui::Program& program) {
    ui::Form1& form = program.form1;
    form.show();
    program.platform.tray_delete();
    AllBeforeForm(program, placement_pixels(form.left()), placement_pixels(form.top()), kStripWidthPx,
                  kStripHeightPx);
}

void Form_MouseMove(ui::Program& program, int code) {
    if (code == kTrayLeftButtonUp) {
        TskTryOut(program);
    }
}

}  // namespace velmora::shell

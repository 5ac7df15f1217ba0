#include "shell/application.h"

#include "autofill/autofill.h"
#include "browser/browser.h"
#include "extract/extraction_window.h"
#include "ledger/calendar.h"
#include "ledger/history.h"
#include "ledger/stock_window.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "shell/tray.h"

namespace velmora::shell {
namespace {

void wire_main_window(Application& app, ui::Program& program) {
    ui::Form1& form = program.form1;
    form.on_load = [&program] { Form_Load(program); };
    form.on_activate = [&program] { Form_Activate(program); };
    form.on_query_unload = [&app] { app.close(); };
    form.on_tray = [&program](int code) { Form_MouseMove(program, code); };
    for (int i = 0; i < form.mn0.size(); ++i) {
        form.mn0[i].on_click = [&program, i] { mn0_Click(program, i); };
    }
    for (int i = 0; i < form.mn1.size(); ++i) {
        form.mn1[i].on_click = [&program, i] { mn1_Click(program, i); };
    }
}

}  // namespace

Application::Application(platform::Platform& platform) : m_program(platform) {
    ui::Program& program = m_program;
    extract::wire_extraction_window(program);
    ledger::wire_stock_window(program);
    ledger::wire_calendar(program);
    browser::wire_browser_button(program);
    autofill::wire_autofill(
        program, [&program] { ledger::HDK(program); }, [&program](int k) { ChForm1(program, k); });
    wire_main_window(*this, program);
}

void Application::start() {
    if (m_program.form1.on_load) {
        m_program.form1.on_load();
    }
}

void Application::close() {
    if (m_program.running) {
        Form_QueryUnload(m_program);
    }
}

}  // namespace velmora::shell

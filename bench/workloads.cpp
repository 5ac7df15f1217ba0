#include "workloads.h"

#include "extract/extraction_window.h"
#include "extract/primitives.h"
#include "formats/parsers.h"
#include "ledger/contest_check.h"
#include "ledger/shared_procedures.h"

namespace bench {

using namespace velmora;

ParseRun::ParseRun(std::string_view newsletter) {
    m_platform.set_clipboard_text(newsletter);
}

long ParseRun::parse(int code) {
    // As the format menu does: the result lists and the detail text are cleared first.
    m_form.List1.clear();
    m_form.List2.clear();
    m_form.List3.clear();
    m_form.Text1.set_text("");
    extract::Primitives x(m_form, m_platform);
    formats::parser_for(code)(x);
    return m_form.List1.count();
}

long ParseRun::read_lines() {
    m_form.List1.clear();
    m_form.List2.clear();
    m_form.List3.clear();
    m_form.Text1.set_text("");
    extract::Primitives x(m_form, m_platform);
    x.SKK();
    x.GetLi();
    return static_cast<long>(m_form.Lines.size());
}

ChoiceRun::ChoiceRun(std::string_view newsletter) : m_program(m_platform) {
    m_platform.set_clipboard_text(newsletter);
    extract::wire_extraction_window(m_program);
    extract::show_extraction_window(m_program);
    m_program.run_pending_activations();
}

long ChoiceRun::choose_automatically() {
    m_program.form3().preAuto.on_click();
    return m_program.form3().List1.count();
}

long ChoiceRun::choose_generic() {
    m_program.form3().preGeneric.on_click();
    return m_program.form3().List1.count();
}

long ChoiceRun::chosen() {
    return m_program.form3().MailNo;
}

LedgerRun::LedgerRun(const HeavyUser& user) : m_program(m_platform) {
    for (int i = 0; i < 4; ++i) {
        m_program.form3().mn3[i].set_checked(false);
    }
    reset(user);
}

void LedgerRun::reset(const HeavyUser& user) {
    m_program.form1.List1.set_rows(user.history);
    m_program.form2.List1.set_rows(user.stock);
}

std::string LedgerRun::check(std::string_view contest, ledger::StockSave save) {
    ui::ListBox& stock = m_program.form2.List1;
    const long before = stock.count();
    ledger::CopyText(m_platform, contest);
    std::string result = ledger::check_contest(m_program, ledger::kStockCheck, save);
    if (stock.count() > before) {
        stock.remove_item(stock.count() - 1);
    }
    return result;
}

long LedgerRun::import(std::string_view text) {
    ledger::CopyText(m_platform, text);
    ledger::ImportItem(m_program);
    return m_program.form2.List1.count();
}

StartRun::StartRun(const HeavyUser& user) : m_dir(m_platform.program_directory()) {
    write_files(user, m_dir);
}

long StartRun::start() {
    m_app = std::make_unique<shell::Application>(m_platform);
    m_app->start();
    return m_app->program().form1.List1.count();
}

void StartRun::close() {
    if (m_app) {
        m_app->close();
        m_app.reset();
    }
}

}  // namespace bench

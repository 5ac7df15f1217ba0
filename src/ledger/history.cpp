#include "ledger/history.h"

#include "ledger/shared_procedures.h"
#include "store/save_report.h"
#include "store/store.h"

namespace velmora::ledger {
namespace {

// Removes the records whose URL field is the site root of the contest being recorded; asks
// first when the option window says so. A root that names no site matches no record.
void remove_root_records(ui::Program& program, std::string_view root) {
    if (!is_site_root(root)) {
        return;
    }
    ui::Form1& form1 = program.form1;
    const bool confirm = program.form4.Check1.checked();
    long i = 0;
    while (i < form1.List1.count()) {
        const std::string record = form1.List1.row(i);
        if (HisItem(record, 7) != root) {
            ++i;
            continue;
        }
        if (confirm) {
            const std::string question = form1.Today + form1.CurUrl + "\r\n" + HisItem(record, 7) + "\r\n" +
                                         "で一致したようです。更新しますか？";
            if (program.platform.message_box(question, platform::Buttons::YesNo) != platform::Answer::Yes) {
                ++i;
                continue;
            }
        }
        form1.List1.remove_item(i);
    }
}

}  // namespace

void LoZov21(ui::Program& program) {
    for (const std::string& record : store::load_history(program.platform.program_directory())) {
        program.form1.List1.add_item(record);
    }
}

void Save2(ui::Program& program) {
    store::report_save(program.platform,
                       store::save_history(program.platform.program_directory(), program.form1.List1.rows()));
}

void HDK(ui::Program& program) {
    ui::Form1& form1 = program.form1;
    if (form1.HisPending == 0 || form1.Check1.checked()) {
        return;
    }
    if (form1.CurUrl.empty()) {
        ui::Fo1Ca(form1, "AdressError");
        return;
    }
    remove_root_records(program, UrlRoot(form1.CurUrl));
    form1.HisPending = 0;
    const std::string deadline = form1.Label6.caption();
    const std::string flag = deadline == form1.Today ? "1" : "0";
    form1.List1.add_item(form1.Today + deadline + flag + "aaaa" + form1.CurUrl);
    ui::Fo1Ca(form1, form1.Today + " UP");
    Save2(program);
}

}  // namespace velmora::ledger

#pragma once
// A program on the headless desktop for the ledger and browser tests: the clock on 2001/05/10
// 09:00, the main window's Today set as start-up sets it, the ledger and browser handlers wired.

#include <string>
#include <vector>

#include "browser/browser.h"
#include "ledger/calendar.h"
#include "ledger/stock_window.h"
#include "platform/memory_platform.h"
#include "store/store.h"
#include "ui/program.h"

namespace velmora::testing_desk {

using Lines = std::vector<std::string>;

// A history record as the program makes it: applied date, deadline, flag "0", filler, URL.
inline std::string record(std::string_view applied, std::string_view deadline, std::string_view url) {
    return std::string(applied) + std::string(deadline) + "0aaaa" + std::string(url);
}

struct Desk {
    platform::MemoryPlatform platform;
    ui::Program program{platform};

    Desk() {
        platform.set_now({2001, 5, 10, 9, 0, 0});
        platform.set_title_lookup(
            [this](std::string_view title) { return program.has_window_titled(title); });
        program.form1.Today = "2001/05/10";
        program.form1.Label6.set_caption("2001/05/10");
        store::write_probe_file(platform.program_directory());
        ledger::wire_stock_window(program);
        ledger::wire_calendar(program);
        browser::wire_browser_button(program);
    }

    void history(const Lines& records) { program.form1.List1.set_rows(records); }
    Lines history() const { return program.form1.List1.rows().to_vector(); }
    void stock(const Lines& entries) { program.form2.List1.set_rows(entries); }
    Lines stock() const { return program.form2.List1.rows().to_vector(); }
    Lines stock_file() { return store::load_stock(platform.program_directory()).value_or(Lines{"<none>"}); }
    Lines history_file() { return store::load_history(platform.program_directory()); }
    void clip(std::string_view text) { platform.set_clipboard_text(text); }
    void answers(std::initializer_list<platform::Answer> list) {
        for (platform::Answer a : list) {
            platform.queue_answer(a);
        }
    }
    // mn3(0) stocked notice, mn3(1) open notice, mn3(2) this-month question, mn3(3) earlier question.
    void marks(bool stocked, bool open, bool this_month, bool earlier) {
        auto& mn3 = program.form3().mn3;
        mn3[0].set_checked(stocked);
        mn3[1].set_checked(open);
        mn3[2].set_checked(this_month);
        mn3[3].set_checked(earlier);
    }
    Lines events() { return platform.take_events(); }
};

}  // namespace velmora::testing_desk

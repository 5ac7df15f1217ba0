#include "shell/main_window.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "autofill/autofill.h"
#include "ledger/history.h"
#include "ledger/shared_procedures.h"
#include "ledger/stock_window.h"
#include "store/save_report.h"
#include "store/store.h"

namespace velmora::shell {
namespace {

constexpr long kInt16Min = std::numeric_limits<short>::min();
constexpr long kInt16Max = std::numeric_limits<short>::max();

void load_window_file(ui::Program& program) {
    const auto file = store::load_window_file(program.platform.program_directory());
    if (!file) {
        return;
    }
    ui::Form1& form = program.form1;
    if (file->top) {
        form.set_top(saved_position(*file->top));
    }
    if (file->left) {
        form.set_left(saved_position(*file->left));
    }
    for (std::size_t k = 0; k < file->fields.size() && k < static_cast<std::size_t>(form.Text.size()); ++k) {
        const int index = static_cast<int>(k);
        form.Text[index].set_text(file->fields[k]);
        if (index % 5 == 0 && index / 5 < form.Label1.size()) {
            form.Label1[index / 5].set_caption(file->fields[k]);
        }
    }
}

void place_panels(ui::Form1& form) {
    form.Frame3.move(60, 420);
    form.Frame4.move(60, 420);
    form.Frame1.move(60, 0);
}

}  // namespace

long saved_position(double value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    return std::lround(
        std::clamp(value, static_cast<double>(ui::kLeastTwips), static_cast<double>(ui::kLargestTwips)));
}

long placement_pixels(long twips) {
    return ui::to_pixels(twips);
}

void AllBeforeForm(ui::Program& program, long x, long y, long width, long height) {
    const auto int16 = [](long v) { return static_cast<int>(std::clamp(v, kInt16Min, kInt16Max)); };
    ui::Form1& form = program.form1;
    program.platform.place_topmost(form.name(), int16(x), int16(y), int16(width), int16(height));
    // The desktop now holds the window at that place and size.
    form.move(int16(x) * 15L, int16(y) * 15L);
    form.set_size(int16(width) * 15L, int16(height) * 15L);
    form.show_without_activation();
}

void Form_Load(ui::Program& program) {
    platform::Platform& platform = program.platform;
    const auto dir = platform.program_directory();
    ui::Form1& form = program.form1;

    store::report_save(platform, store::write_probe_file(dir));
    form.Today = ledger::today_text(platform.now());
    load_window_file(program);
    ledger::LoZov21(program);
    autofill::load_flowcharts(program);
    autofill::load_id_book(program);
    store::report_save(platform, store::ensure_stock_file(dir));
    ledger::load_stock_list(program);
    place_panels(form);
    form.Label6.set_caption(form.Today);
    form.Label5.set_caption("");
    program.form5.MonthView1.set_date(platform.now().date());
    AllBeforeForm(program, placement_pixels(form.left()), placement_pixels(form.top()), kStripWidthPx,
                  kStripHeightPx);
}

void Form_Activate(ui::Program& program) {
    program.form1.Today = ledger::today_text(program.platform.now());
}

void Form_QueryUnload(ui::Program& program) {
    ui::Form1& form = program.form1;
    // The file always holds the Left of the narrow strip.
    const long left = form.width() == ui::kNarrowWidth ? form.left() : form.left() + ui::kWideShift;
    std::vector<std::string> fields;
    for (int k = 0; k < form.Text.size(); ++k) {
        fields.push_back(form.Text[k].text());
    }
    store::report_save(program.platform, store::save_window_file(program.platform.program_directory(),
                                                                 static_cast<double>(form.top()),
                                                                 static_cast<double>(left), fields));
    ledger::Save2(program);
    autofill::Save3(program);
    autofill::Save4(program);

    // Every window closes without further events.
    for (ui::Window* window : program.windows()) {
        window->hide();
    }
    program.discard_pending_activations();
    program.running = false;
}

}  // namespace velmora::shell

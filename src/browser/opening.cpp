#include "browser/browser.h"
#include "ledger/contest_check.h"
#include "ledger/shared_procedures.h"
#include "text/text.h"

namespace velmora::browser {
namespace {

using platform::Answer;
using platform::Buttons;

bool ask_yes(platform::Platform& platform, std::string_view question) {
    return platform.message_box(question, Buttons::YesNo) == Answer::Yes;
}

// No deadline known: today, in red.
void deadline_unknown(ui::Form1& form1) {
    form1.Label6.set_caption(form1.Today);
    form1.Label6.set_colour(ui::Colour::Red);
}

// A stock entry: the deadline before the first "http" goes into the label (asking when it has
// passed) and the calendar; the text is cut to the URL. False when the user stops the opening.
bool take_deadline(ui::Program& program, std::string& text, long http_at) {
    ui::Form1& form1 = program.form1;
    const locale::DateTime now = program.platform.now();
    form1.Label6.set_caption(ledger::FixDate(text::left(text, http_at - 1), now));
    if (form1.Label6.caption() < form1.Today &&
        !ask_yes(program.platform, "締切日を過ぎています\r\nそれでも表示しますか？")) {
        return false;
    }
    form1.Label6.set_colour(ui::Colour::Normal);
    if (const auto date = locale::read_date(form1.Label6.caption(), now.year)) {
        program.form5.MonthView1.set_date(*date);
    }
    text = text::mid(text, http_at);
    ledger::CopyText(program.platform, text);
    return true;
}

}  // namespace

void Brauza(ui::Program& program, std::string& text) {
    ui::Form1& form1 = program.form1;
    platform::Platform& platform = program.platform;
    if (!text::contains(text::lower(text), "htt") &&
        !ask_yes(platform, "httpではないようですが表示しますか？")) {
        return;
    }
    form1.Check1.set_checked(false);
    const long http_at = text::find(text, "http");
    if (text::starts_with(text, "htt") || http_at == 0) {
        // A text with no "http" to cut at is opened as it stands, without a deadline.
        deadline_unknown(form1);
    } else if (!take_deadline(program, text, http_at)) {
        return;
    }
    // A URL pasted twice, or text before a second URL, comes down to the last URL.
    const long last_http = text::rfind(text, "http");
    if (last_http > 1) {
        text = text::mid(text, last_http);
    }
    ledger::CopyText(platform, text);
    form1.HisPending = 1;
    const std::string applied = ledger::CheckHistory(program, ledger::kOpeningCheck);
    if (applied == "応募済み") {
        ui::Fo1Ca(form1, applied);
        return;
    }
    if (!WinChange(program, text)) {
        // The user stopped the hand-over: the contest was not opened, so no later send records it.
        form1.HisPending = 0;
        return;
    }
    ui::Fo1Ca(form1, applied);
}

}  // namespace velmora::browser

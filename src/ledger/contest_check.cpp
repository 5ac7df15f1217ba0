#include "ledger/contest_check.h"

#include <array>
#include <cstring>
#include <optional>
#include <string_view>

#include "ledger/import_index.h"
#include "ledger/shared_procedures.h"
#include "ledger/stock_window.h"
#include "text/step_count.h"
#include "text/text.h"

namespace velmora::ledger {
namespace {

using platform::Answer;
using platform::Buttons;

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kApplied = "応募済み";

// Scan states: 1 nothing against, -1 applied this month, -2 applied and still open, 0 declined,
// 9 accepted with the next older matching record to be removed.
constexpr int kClear = 1;
constexpr int kThisMonth = -1;
constexpr int kStillOpen = -2;
constexpr int kDeclined = 0;
constexpr int kRemoveNext = 9;

struct Contest {
    std::string deadline;
    std::string url;
    std::string root;
};

// The stock check's switches: the four notices and questions of the extraction window's Option
// menu, and the option window's "confirm deleting older history" mark.
struct StockMarks {
    bool stocked_notice = false;
    bool open_notice = false;
    bool this_month_question = false;
    bool earlier_question = false;
    bool confirm_older = false;
};

// One needle looked for in many texts (every history record, every stock entry): the same answer
// as text::contains, found by skipping (Horspool) with the needle's skip table made once.
class Finder {
public:
    explicit Finder(std::string_view needle) : m_needle(needle) {
        m_skip.fill(needle.size());
        for (std::size_t i = 0; i + 1 < needle.size(); ++i) {
            m_skip[static_cast<unsigned char>(needle[i])] = needle.size() - 1 - i;
        }
    }

    bool in(std::string_view text) const {
        const std::size_t m = m_needle.size();
        if (m == 0) {
            return true;
        }
        if (text.size() < m) {
            return false;
        }
        const char last = m_needle[m - 1];
        for (std::size_t pos = 0; pos <= text.size() - m;) {
            const char c = text[pos + m - 1];
            if (c == last && std::memcmp(text.data() + pos, m_needle.data(), m - 1) == 0) {
                return true;
            }
            pos += m_skip[static_cast<unsigned char>(c)];
        }
        return false;
    }

private:
    std::string m_needle;
    std::array<std::size_t, 256> m_skip{};
};

struct Scan {
    int state = kClear;
    bool ended = false;
    std::string result;
};

std::string answer_text(Answer answer) {
    return std::to_string(static_cast<int>(answer));
}

StockMarks read_marks(ui::Program& program) {
    ui::Form3& form3 = program.form3();
    return {form3.mn3[0].checked(), form3.mn3[1].checked(), form3.mn3[2].checked(), form3.mn3[3].checked(),
            program.form4.Check4.checked()};
}

Contest read_contest(std::string_view clip, platform::Platform& platform) {
    Contest contest;
    std::string url;
    if (text::starts_with(clip, "htt")) {
        url = std::string(clip);
    } else {
        contest.deadline = text::left(clip, 10);
        url = text::mid(clip, 11);
    }
    contest.url = AddUrlSlash(url, platform);
    contest.root = UrlRoot(contest.url);
    return contest;
}

// Days from a record's applied date to today; an applied date that is no date counts 0.
long days_since(std::string_view applied, const locale::DateTime& now) {
    const auto date = locale::read_date(applied, now.year);
    if (!date) {
        return 0;
    }
    return locale::day_number(now.date()) - locale::day_number(*date);
}

// The state a matching record gives: this month first, still open second (it overrides).
int state_for(std::string_view record, std::string_view today, int state) {
    if (text::mid(HisItem(record, 0), 6, 2) == text::mid(today, 6, 2)) {
        state = kThisMonth;
    }
    if (HisItem(record, 1) > today) {
        state = kStillOpen;
    }
    return state;
}

std::string still_open_text(std::string_view record) {
    return HisItem(record, 0) + " に応募済みです" + std::string(kCrLf) + HisItem(record, 1) +
           " が締切なので応募の必要はありません";
}

// The opening check ends at the first matching record.
void opening_action(platform::Platform& platform, std::string_view record, Scan& scan) {
    scan.ended = true;
    scan.result = HisItem(record, 0);
    if (scan.state != kStillOpen) {
        return;
    }
    const std::string question = still_open_text(record) + std::string(kCrLf) + "それでも表示しますか？";
    if (platform.message_box(question, Buttons::YesNo) != Answer::Yes) {
        scan.result = std::string(kApplied);
    }
}

// Asks when the question is switched on; a switched-off question counts as Yes.
Answer ask_or_yes(platform::Platform& platform, bool ask, const std::string& question, Scan& scan) {
    const Answer answer = ask ? platform.message_box(question, Buttons::YesNoCancel) : Answer::Yes;
    scan.result = answer_text(answer);
    return answer;
}

void stock_action(ui::Program& program, const Contest& contest, const StockMarks& marks, long index,
                  Scan& scan) {
    platform::Platform& platform = program.platform;
    ui::ListBox& history = program.form1.List1;
    const std::string record = history.row(index);
    const std::string crlf(kCrLf);
    switch (scan.state) {
        case kClear: {
            const std::string question = crlf + contest.url + crlf + crlf +
                                         std::to_string(days_since(HisItem(record, 0), platform.now())) +
                                         "日前" + crlf + HisItem(record, 0) + crlf + HisItem(record, 7) +
                                         crlf + "で応募済みです。追加しますか？";
            if (ask_or_yes(platform, marks.earlier_question, question, scan) != Answer::Yes) {
                scan.state = kDeclined;
                scan.ended = true;
            } else if (!marks.confirm_older) {
                scan.state = kRemoveNext;
            }
            break;
        }
        case kThisMonth: {
            const std::string question = crlf + contest.url + crlf + crlf + "今月 " +
                                         text::mid(HisItem(record, 0), 9, 2) +
                                         " 日に応募済みです。追加しますか？";
            if (ask_or_yes(platform, marks.this_month_question, question, scan) == Answer::Yes) {
                scan.state = marks.confirm_older ? kClear : kRemoveNext;
            }
            break;
        }
        case kStillOpen:
            if (marks.open_notice) {
                platform.message_box(still_open_text(record), Buttons::Ok);
            }
            scan.ended = true;
            break;
        default:  // kRemoveNext
            history.remove_item(index);
            scan.ended = true;
            break;
    }
}

// Calls visit(row) for every row that may hold the needle, in the given order: the rows an index
// names, or else every row; stops when visit returns true.
template <class Visit>
void for_rows(const std::optional<std::vector<long>>& named, long first, long end, long step, Visit visit) {
    if (named) {
        for (long row : *named) {
            text::count_steps(1);
            if (visit(row)) {
                return;
            }
        }
        return;
    }
    for (long row = first; row != end; row += step) {
        text::count_steps(1);
        if (visit(row)) {
            return;
        }
    }
}

// The rows of a list holding the needle, by one search over the list's block when no import
// index names them; newest (last) first when asked.
std::vector<long> rows_holding(const text::PackedLines& rows, std::string_view needle, bool newest_first) {
    const std::vector<std::size_t> found = rows.rows_containing(needle);
    std::vector<long> named(found.begin(), found.end());
    if (newest_first) {
        std::reverse(named.begin(), named.end());
    }
    return named;
}

// Whether the contest is already on the stock list; tells so when the notice is switched on.
bool already_stocked(ui::Program& program, const Contest& contest, const StockMarks& marks,
                     const ImportIndex* index) {
    const auto indexed = index ? index->stocked(contest.url) : std::nullopt;
    bool found = indexed.value_or(false);
    if (!indexed) {
        const text::PackedLines& entries = program.form2.List1.rows();
        found = !rows_holding(entries, contest.url, false).empty();
        text::count_steps(entries.size());
    }
    if (found && marks.stocked_notice) {
        program.platform.message_box(contest.url + " でストック済みです", Buttons::Ok);
    }
    return found;
}

void finish_stock_check(ui::Program& program, const Contest& contest, int state, StockSave save,
                        ImportIndex* index) {
    ui::Form2& form2 = program.form2;
    if (state > 0) {
        form2.List1.add_item(contest.deadline + contest.url);
        if (index != nullptr) {
            index->stock_row_added(form2.List1.rows().back());
        }
    }
    form2.Command1.set_caption(text::decimal(form2.List1.count()) + std::string(kCrLf) + "stock");
    if (save == StockSave::EachCheck) {
        SavaData(program);
    }
}

}  // namespace

std::string CheckHistory(ui::Program& program, int mode) {
    return check_contest(program, mode, StockSave::EachCheck);
}

std::string check_contest(ui::Program& program, int mode, StockSave save, ImportIndex* index) {
    return check_contest(program, program.platform.clipboard_text(), mode, save, index);
}

std::string check_contest(ui::Program& program, std::string_view contest_text, int mode, StockSave save,
                          ImportIndex* index) {
    platform::Platform& platform = program.platform;
    const std::string clip = contest_line(contest_text);
    if (!text::contains(clip, "htt")) {
        platform.message_box(clip + std::string(kCrLf) + "これって違うような・・・", Buttons::Ok);
        return {};
    }
    const std::string today = today_text(platform.now());
    const Contest contest = read_contest(clip, platform);
    const bool stock = mode == kStockCheck;
    const StockMarks marks = stock ? read_marks(program) : StockMarks{};
    if (stock && already_stocked(program, contest, marks, index)) {
        return {};
    }

    Scan scan;
    ui::ListBox& history = program.form1.List1;
    const Finder root(contest.root);
    const long count = history.count();
    // A root that names no site (cut from a URL without a host) would be contained in records of
    // every site: it matches none.
    std::optional<std::vector<long>> named = std::vector<long>{};
    if (is_site_root(contest.root)) {
        named =
            index ? index->history_rows_with(contest.root) : rows_holding(history.rows(), contest.root, true);
    }
    for_rows(named, count - 1, -1, -1, [&](long i) {
        // Read in place: the only change to the list (a removal) ends the scan.
        const std::string_view record = history.rows()[static_cast<std::size_t>(i)];
        if (!root.in(record)) {
            return false;
        }
        scan.state = state_for(record, today, scan.state);
        if (stock) {
            stock_action(program, contest, marks, i, scan);
            if (index != nullptr && history.count() < count) {
                index->history_row_removed(i);
            }
        } else {
            opening_action(platform, record, scan);
        }
        return scan.ended;
    });
    if (stock) {
        finish_stock_check(program, contest, scan.state, save, index);
    }
    return scan.result;
}

}  // namespace velmora::ledger

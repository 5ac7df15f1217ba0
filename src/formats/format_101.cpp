// Format 101 "Chance It!": numbered headers ("■01", "◆02") carry the title and the deadline in
// front of "締切", the URL on the line below; "●お" lines are contests without a date (today),
// whose URL is the last line before the next blank line.
#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {
namespace {

// Finds the first blank line at or after a line. The scan only moves forward and lines only ever
// turn from blank to not blank (joins), so earlier answers are reused: a run of "●お" lines
// without blank lines between them does not search the same lines again and again.
class BlankFinder {
public:
    explicit BlankFinder(const extract::Primitives& x) : m_x(x) {}

    // Index of the first line at or after `from` that is blank after trimming; -1 when none.
    // The final piece of the text (after the closing line break) counts as a line here.
    long find(long from) {
        long k = from;
        if (m_found >= from) {
            if (is_blank(m_found)) {
                return m_found;
            }
            k = m_found + 1;
        } else if (m_none_from >= 0 && from >= m_none_from) {
            return -1;
        }
        const long end = static_cast<long>(m_x.form.Lines.size());
        for (; k < end; ++k) {
            if (is_blank(k)) {
                m_found = k;
                return k;
            }
        }
        m_none_from = from;
        return -1;
    }

private:
    bool is_blank(long k) const { return text::trim_view(m_x.L(k)).empty(); }

    const extract::Primitives& m_x;
    long m_found = -1;
    long m_none_from = -1;
};

long start_of_101(const extract::Primitives& x) {
    long i = 0;
    while (i <= x.ULI() && !text::contains(x.L(i), "●お") && !text::contains(x.L(i), "■01")) {
        ++i;
    }
    return i;
}

bool is_numbered_header(std::string_view line) {
    return (text::starts_with(line, "■") || text::starts_with(line, "◆")) &&
           text::reads_positive(text::mid_view(line, 2, 2));
}

// A contest without a date: title in List1 and List3, today as deadline, the URL from the
// line before the next blank line.
void undated_contest(extract::Primitives& x, BlankFinder& blanks) {
    ui::Form3& f = x.form;
    f.Mode = 0;
    const std::string_view line = x.L(f.LineNo);
    x.LA1(line);
    x.LA3(line);
    x.LA3(f.Today);
    const long blank = blanks.find(f.LineNo);
    if (blank > 0) {
        x.LA3(x.L(blank - 1));
    }
}

// A numbered header: joined with the next line unless that is the URL, its time of day in front
// of "締切" dropped, then title, deadline and URL.
constexpr std::string_view kDeadline = "締切";

// "06/15 23:59締切" becomes "06/15締切": the six characters in front of the first "締切" go
// when at least six stand there and the third of them from the end is not "/". The cuts go back
// from the marker's bytes instead of counting the characters in front of it.
void drop_time_of_day(std::string& line) {
    const std::size_t deadline = text::find_bytes(line, kDeadline);
    if (deadline == std::string::npos) {
        return;
    }
    const std::size_t six_back = text::chars_back(line, deadline, 6);
    if (six_back == std::string::npos) {
        return;
    }
    const std::size_t three_back = text::chars_back(line, deadline, 3);
    const std::size_t two_back = text::chars_back(line, deadline, 2);
    if (std::string_view(line).substr(three_back, two_back - three_back) != "/") {
        line.erase(six_back, deadline - six_back);
    }
}

// `line` is scratch room reused from contest to contest.
void numbered_contest(extract::Primitives& x, std::string& line) {
    ui::Form3& f = x.form;
    f.Mode = 0;
    // The header stands at most on the line before the last, so it and the line below are lines
    // of the text; the joined and cut texts replace them in Lines, as later tests read them.
    line.assign(x.L(f.LineNo));
    if (!text::starts_with(x.L(f.LineNo + 1), "htt")) {
        line.append(x.L(f.LineNo + 1));
        ++f.LineNo;
    }
    drop_time_of_day(line);
    x.LA0(line);
    x.set_line(f.LineNo, line);
    const std::string_view title = x.form.List2.rows().back();
    const std::size_t cut = text::find_bytes(title, kDeadline);
    f.Pend = cut == std::string_view::npos ? std::string_view() : title.substr(0, cut);
    x.LA3(x.FixDate(text::right_view(f.Pend, 5)));
    x.LA3(x.L(f.LineNo + 1));
}

}  // namespace

void P101(extract::Primitives& x) {
    ui::Form3& f = x.form;
    x.SKK();
    x.GetLi();
    const long last = x.ULI();
    BlankFinder blanks(x);
    std::string header;
    f.LineNo = start_of_101(x);
    f.Mode = 1;
    for (; f.LineNo <= last; ++f.LineNo) {
        bool title_added = false;
        if (text::starts_with(x.L(f.LineNo), "●お")) {
            undated_contest(x, blanks);
        }
        if (is_numbered_header(x.L(f.LineNo))) {
            numbered_contest(x, header);
            title_added = true;
        }
        const std::string_view line = x.L(f.LineNo);
        // ":" is one byte that no other character contains, so its byte offset cuts the same
        // text as its character position.
        const std::size_t colon = line.find(':');
        if (colon != std::string::npos && text::contains(std::string_view(line).substr(0, colon), "会")) {
            x.LA2("会員登録");
        }
        if (line.empty()) {
            f.Mode = 1;
            x.LA2("");
        }
        if (f.Mode == 0 && !title_added) {
            x.LA2(line);
        }
        if (text::starts_with(line, "■Chance It! お便りコーナー■")) {
            return;
        }
    }
}

}  // namespace velmora::formats

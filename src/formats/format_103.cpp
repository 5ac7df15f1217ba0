// Format 103 "懸賞のつぼ★": section 1 holds "●" contests closed by a "------" rule, their URLs
// on "htt" lines with today as deadline; section 2 (after "２>>") holds contests below a
// "------" rule: title, URL and a deadline line in front of "締切". "===[PR]==" blocks are skipped.
#include <utility>

#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {
namespace {

constexpr long kBetween = 0;
constexpr long kInside = 1;
constexpr long kSection2 = 2;

// The first line at or after `from` that starts with `prefix`, -1 when none. A failed search is
// remembered: no line of this format turns into such a line, so a later search from further down
// fails too and need not walk the text again.
class PrefixFinder {
public:
    PrefixFinder(const extract::Primitives& x, std::string_view prefix) : m_x(x), m_prefix(prefix) {}

    long find(long from) {
        if (m_none_from >= 0 && from >= m_none_from) {
            return -1;
        }
        for (long k = from; k <= m_x.ULI(); ++k) {
            if (text::starts_with(m_x.L(k), m_prefix)) {
                return k;
            }
        }
        m_none_from = from;
        return -1;
    }

private:
    const extract::Primitives& m_x;
    std::string_view m_prefix;
    long m_none_from = -1;
};

// The scan starts at the second line holding "１>>".
long start_of_103(extract::Primitives& x) {
    int seen = 0;
    long i = 0;
    for (; i <= x.ULI(); ++i) {
        if (text::contains(x.L(i), "１>>")) {
            x.form.Mode = 1;
            if (++seen == 2) {
                break;
            }
        }
    }
    return i;
}

void inside_entry(extract::Primitives& x) {
    ui::Form3& f = x.form;
    const std::string_view t = text::left_view(text::trim_view(x.L(f.LineNo)), 6);
    if (t == "------") {
        f.Mode = kBetween;
        x.LA2("");
        return;
    }
    if (t == "━━━━━━") {
        x.LA2("");
        x.set_line(f.LineNo, "");
    }
    const std::string_view line = x.L(f.LineNo);
    if (text::trim_view(line).empty()) {
        return;
    }
    x.LA2(line);
    const long p = text::find(line, "htt");
    if (p > 0) {
        x.LA3(f.Today);
        x.LA3(text::mid_view(line, p));
    }
}

// The deadline of a section-2 contest: the text between the last blank and the last "締切" of its
// date line; the empty text (so today) when "締切" is missing or stands before that blank.
std::string section2_deadline(std::string_view date_line) {
    const long blank = text::rfind(date_line, " ");
    const long mark = text::rfind(date_line, "締切");
    if (mark == 0 || mark <= blank) {
        return std::string();
    }
    return text::mid(date_line, blank + 1, mark - blank - 1);
}

void section2_line(extract::Primitives& x) {
    ui::Form3& f = x.form;
    const long i = f.LineNo;
    if (text::left_view(text::trim_view(x.L(i)), 6) != "------") {
        x.LA2(x.L(i));
        return;
    }
    if (i + 1 > x.ULI() && text::trim_view(x.L(i + 1)).empty()) {
        return;  // a rule at the end of the text, with no title below it, starts no contest
    }
    x.LA1(x.L(i + 1));
    x.LA3(x.L(i + 1));
    f.Pend = x.L(i + 3);
    x.LA3(x.FixDate(section2_deadline(f.Pend)));
    x.LA3(x.L(i + 2));
    x.LA2("");
}

void remove_last_detail(extract::Primitives& x) {
    if (x.form.List2.count() > 0) {
        x.form.List2.remove_item(x.form.List2.count() - 1);
    }
}

}  // namespace

void P103(extract::Primitives& x) {
    ui::Form3& f = x.form;
    x.SKK();
    x.GetLi();
    PrefixFinder pr_end(x, "=========");
    PrefixFinder section2_rule(x, "  -------");
    f.LineNo = start_of_103(x);
    f.Mode = kBetween;
    for (; f.LineNo <= x.ULI(); ++f.LineNo) {
        if (f.Mode == kBetween) {
            if (text::starts_with(x.L(f.LineNo), "●")) {
                f.Mode = kInside;
                x.LA0(x.L(f.LineNo));
            }
        } else if (f.Mode == kInside) {
            inside_entry(x);
        } else if (f.Mode == kSection2) {
            section2_line(x);
        }
        if (text::starts_with(x.L(f.LineNo), "===[PR]==")) {
            remove_last_detail(x);
            const long end = pr_end.find(f.LineNo);
            if (end >= 0) {
                f.LineNo = end;
            }
        }
        if (text::starts_with(x.L(f.LineNo), "２>>")) {
            remove_last_detail(x);
            const long rule = section2_rule.find(f.LineNo);
            if (rule >= 0) {
                f.LineNo = rule - 1;
            }
            f.Mode = kSection2;
        }
        if (text::contains(x.L(f.LineNo), "私の懸賞エピソード")) {
            return;
        }
    }
}

}  // namespace velmora::formats

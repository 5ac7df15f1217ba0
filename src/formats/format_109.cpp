// Format 109: items start below the "■〓＜" line that has a "───" rule under it; a header is
// "nn■" followed by the deadline before "締切", the bracketed category and the prize after "】".
#include "formats/header_tests_106_115.h"
#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {

namespace {

bool is_header(std::string_view line) {
    return text::mid_view(line, 3, 1) == "■" && text::reads_positive(text::left_view(line, 2));
}

// The index of the start marker line, last + 1 when the newsletter has none.
long start_marker(const extract::Primitives& x, long last) {
    long i = 0;
    for (; i <= last; ++i) {
        if (text::starts_with(x.L(i), "■〓＜") && text::starts_with(x.L(i + 1), "───")) {
            break;
        }
    }
    return i;
}

// The cuts below go by the markers' bytes: the same cuts as their character positions give,
// without counting the characters in front of them (a header is cut four times).
constexpr auto kNone = std::string_view::npos;

// The text between the first "■" and the first "締切" (from the start when there is no "■");
// empty when "締切" does not follow "■".
std::string_view deadline_text(std::string_view line) {
    constexpr std::string_view kMark = "■";
    const std::size_t mark = text::find_bytes(line, kMark);
    const std::size_t until = text::find_bytes(line, "締切");
    if (until == kNone) {
        return {};
    }
    if (mark == kNone) {
        return line.substr(0, until);
    }
    return until > mark ? line.substr(mark + kMark.size(), until - mark - kMark.size()) : std::string_view();
}

// The part from the first "【" through the first "】"; empty when "【" does not stand before "】".
std::string_view category(std::string_view line) {
    constexpr std::string_view kClose = "】";
    const std::size_t open = text::find_bytes(line, "【");
    const std::size_t close = text::find_bytes(line, kClose);
    return open != kNone && close != kNone && close > open ? line.substr(open, close + kClose.size() - open)
                                                           : std::string_view();
}

void extract_item(extract::Primitives& x, long i) {
    const std::string_view header = x.L(i);
    x.form.ItemNo += 1;
    x.form.Pend = x.SeqLabel(x.form.ItemNo);
    x.form.Pend += after_first_view(header, "】");
    x.LA0(x.form.Pend);
    x.form.Pend = x.FixDate(deadline_text(header));
    x.form.Pend += category(header);
    x.LA2(x.form.Pend);
    x.LA3(text::left_view(x.form.Pend, 10));
    x.LA2(x.L(i + 1));
    const bool url_below = text::starts_with(x.L(i + 2), "htt");
    x.form.Pend = text::trim_view(url_below ? x.L(i + 2) : x.L(i + 1));
    x.LA2(x.form.Pend);
    x.LA3(x.form.Pend);
}

}  // namespace

void P109(extract::Primitives& x) {
    x.SKK();
    x.GetLi();
    const long last = x.ULI();
    long& i = x.form.LineNo;
    i = start_marker(x, last);
    x.form.List2.clear();
    for (; i <= last; ++i) {
        if (!is_header(x.L(i))) {
            continue;
        }
        extract_item(x, i);
        i = x.Naiyou(i + 3, "");
    }
}

}  // namespace velmora::formats

// Format 109: items start below the "■〓＜" line that has a "───" rule under it; a header is
// "nn■" followed by the deadline before "締切", the bracketed category and the prize after "】".
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

// The text between the first "■" and the first "締切"; empty when "締切" does not follow "■".
std::string_view deadline_text(std::string_view line) {
    const long mark = text::find(line, "■");
    const long until = text::find(line, "締切");
    return until > mark ? text::mid_view(line, mark + 1, until - mark - 1) : std::string_view();
}

// The part from the first "【" through the first "】"; empty when "【" does not stand before "】".
std::string_view category(std::string_view line) {
    const long open = text::find(line, "【");
    const long close = text::find(line, "】");
    return open > 0 && close > open ? text::mid_view(line, open, close - open + 1) : std::string_view();
}

void extract_item(extract::Primitives& x, long i) {
    const std::string_view header = x.L(i);
    x.form.ItemNo += 1;
    x.form.Pend = x.SeqLabel(x.form.ItemNo);
    x.form.Pend += text::mid_view(header, text::find(header, "】") + 1);
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

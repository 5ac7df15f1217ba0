// Format 117: an item is a "■" title line with its URL on the very next line; the deadline sits
// on a later "| 締切日：" line and the body ends at a line of five hyphens. The subscription notice
// "☆購読申込" at such a stop line ends the newsletter's contests.
#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {
namespace {

constexpr std::string_view kRule = "-----";

bool is_header(const extract::Primitives& x, long k) {
    return text::starts_with(x.L(k), "■") && text::starts_with(x.L(k + 1), "htt");
}

// Adds the deadline and the URL from the first "| 締切日：" line at or below the header. The
// search ends where the item does, at its closing rule or the next header, so that an item without
// a deadline line never takes the next one's (and a newsletter of such items is read once).
void deadline_and_url_117(extract::Primitives& x, long from, long last) {
    for (long k = from; k <= last; ++k) {
        if (k > from && (text::contains(x.L(k), kRule) || is_header(x, k))) {
            return;
        }
        if (text::starts_with(x.L(k), "| 締切日：")) {
            x.LA3(x.FixDate(text::mid_view(x.L(k), 7, 10)));
            x.LA3(x.form.Work);
            return;
        }
    }
}

}  // namespace

void P117(extract::Primitives& x) {
    x.SKK();
    x.GetLi();
    x.form.List2.clear();
    const long last = x.ULI();
    long& i = x.form.LineNo;
    for (i = 0; i <= last; ++i) {
        if (!is_header(x, i)) {
            continue;
        }
        x.form.ItemNo += 1;
        x.form.Pend = x.SeqLabel(x.form.ItemNo);
        x.form.Pend += text::trim_view(text::mid_view(x.L(i), 2));
        x.LA0(x.form.Pend);
        x.form.Work = text::trim_view(x.L(i + 1));
        deadline_and_url_117(x, i, last);
        i = x.Naiyou(i + 1, kRule);
        if (text::starts_with(x.L(i), "☆購読申込")) {
            return;
        }
    }
}

}  // namespace velmora::formats

// Format 122: items are separated by rules that end in "====="; the lines between a rule and
// the next one form the title, the "【URL】" or "【懸賞詳細URL】" label precedes the URL and
// "【応募期間】" carries the deadline. The body runs to the next rule, which opens the next item.
#include <algorithm>
#include <utility>

#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {
namespace {

constexpr std::string_view kRule = "=====";

// Joins the lines below the rule at i up to the next rule into Pend and moves i below that rule.
void title_block_122(extract::Primitives& x, long last) {
    long& i = x.form.LineNo;
    x.form.Pend.clear();
    long k = i + 1;
    for (; k <= last; ++k) {
        x.form.Pend += x.L(k);
        if (text::ends_with(text::trim_view(x.L(k + 1)), kRule)) {
            break;
        }
    }
    i = k + 2;
}

// Takes the URL after each URL label and, at the first "【応募期間】" line, adds the deadline and
// the URL last taken. The search ends at the next rule, where the item's body ends and the next
// item begins: an item without a period line never takes the next one's.
void fields_122(extract::Primitives& x, long last) {
    const long from = x.form.LineNo;
    for (long k = from; k <= last; ++k) {
        if (k > from && text::contains(x.L(k), kRule)) {
            return;
        }
        const std::string_view line = text::trim_view(x.L(k));
        if (line == "【URL】" || line == "【懸賞詳細URL】") {
            x.form.Pend = text::trim_view(x.L(k + 1));
        }
        if (text::starts_with(line, "【応募期間】")) {
            x.LA3(x.FixDate(text::mid_view(x.L(k), 8)));
            x.LA3(x.form.Pend);
            return;
        }
    }
}

}  // namespace

void P122(extract::Primitives& x) {
    x.SKK();
    x.GetLi();
    const long last = x.ULI();
    long& i = x.form.LineNo;
    i = 0;
    while (i <= last && !text::ends_with(x.L(i), kRule)) {
        ++i;
    }
    x.form.List2.clear();
    for (; i <= last; ++i) {
        const long pass_start = i;
        if (text::ends_with(x.L(i), kRule)) {
            title_block_122(x, last);
        }
        x.form.ItemNo += 1;
        std::string title = x.SeqLabel(x.form.ItemNo) + x.form.Pend;
        x.LA0(std::move(title));
        fields_122(x, last);
        // The body stops at the next rule; the loop's step lands on it. A pass whose own line
        // already holds a rule stays where it is, so that the step still moves on.
        i = std::max(x.Naiyou(i, kRule) - 1, pass_start);
    }
}

}  // namespace velmora::formats

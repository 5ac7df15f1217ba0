// Format 100 "猫招く懸賞読本": prize lines "|[賞品]" start a contest; the home-page section of each
// contest gives the URL ("[URL]") and the deadline (the last ten characters of "[応募期間]").
#include <utility>

#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {
namespace {

constexpr long kHomePage = 0;
constexpr long kContents = 1;

long start_of_100(const extract::Primitives& x) {
    long i = 0;
    while (i <= x.ULI() && !text::contains(x.L(i), "--∇")) {
        ++i;
    }
    return i;
}

// A line that is no prize line: copied to the details (joined with the next line inside the
// home-page section when that line opens no new field), then read for URL and deadline.
void detail_line_100(extract::Primitives& x, long& section) {
    ui::Form3& f = x.form;
    const std::string_view line = x.L(f.LineNo);
    if (text::contains(line, "[ホームページ]")) {
        section = kHomePage;
    }
    if (text::contains(line, "[内容]")) {
        section = kContents;
    }
    if (!text::contains(x.L(f.LineNo + 1), "[") && section == kHomePage) {
        // LA2 of the joined text, built once as the row itself.
        const std::string_view next = x.L(f.LineNo + 1);
        std::string joined;
        joined.reserve(line.size() + next.size());
        joined += line;
        joined += next;
        text::trim_in_place(joined);
        f.List2.add_item(joined);
        ++f.LineNo;
    } else {
        x.LA2(line);
    }
    const std::string_view current = x.L(f.LineNo);
    if (section != kHomePage) {
        return;
    }
    if (text::contains(current, "[URL]")) {
        f.Pend = text::trim_view(text::mid_view(current, 6));
    }
    if (text::contains(current, "[応募期間]")) {
        x.LA3(text::right_view(text::trim_view(current), 10));
        x.LA3(f.Pend);
    }
}

}  // namespace

void P100(extract::Primitives& x) {
    ui::Form3& f = x.form;
    x.SKK();
    x.GetLi();
    const long last = x.ULI();
    long section = kHomePage;
    for (f.LineNo = start_of_100(x); f.LineNo <= last - 1; ++f.LineNo) {
        const std::string_view line = x.L(f.LineNo);
        if (text::contains(line, "寄せられた投稿")) {
            return;
        }
        if (text::contains(line, "|[賞品]")) {
            ++f.ItemNo;
            f.Pend = x.SeqLabel(f.ItemNo);
            f.Pend += text::mid_view(line, 6);
            x.LA0(f.Pend);
            f.Pend.clear();  // a contest without its own "[URL]" line gets an empty URL row
            continue;
        }
        detail_line_100(x, section);
    }
}

}  // namespace velmora::formats

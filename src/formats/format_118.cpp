// Format 118: items open with "★賞品"; a prize that runs on to a second line is joined with "、".
// The "☆締切" and "☆URL" lines below give the deadline and the URL.
#include <utility>

#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {
namespace {

constexpr std::string_view kHeader = "★賞品";

// Adds every "☆締切" deadline up to and including the first "☆URL" line, then that URL. The
// search ends at the next header: an item never takes the deadlines and URL of those below it.
void fields_118(extract::Primitives& x, long from, long last) {
    for (long k = from; k <= last; ++k) {
        const std::string_view line = x.L(k);
        if (k > from && text::starts_with(line, kHeader)) {
            return;
        }
        if (text::starts_with(line, "☆締切")) {
            x.LA3(x.FixDate(text::trim_view(text::mid_view(line, 4))));
        }
        if (text::starts_with(line, "☆URL")) {
            x.LA3(text::mid_view(line, 5));
            return;
        }
    }
}

}  // namespace

void P118(extract::Primitives& x) {
    x.SKK();
    x.GetLi();
    x.form.List2.clear();
    const long last = x.ULI();
    long& i = x.form.LineNo;
    for (i = 0; i <= last; ++i) {
        if (!text::starts_with(x.L(i), kHeader)) {
            continue;
        }
        x.form.ItemNo += 1;
        x.form.Pend = text::trim_view(text::mid_view(x.L(i), 4));
        const std::string_view next = text::trim_view(x.L(i + 1));
        if (!text::starts_with(next, "☆")) {
            // The prize continues on the next line, which stands in for the header from here on.
            x.form.Pend += "、";
            x.form.Pend += next;
            i += 1;
        }
        std::string title = x.SeqLabel(x.form.ItemNo) + x.form.Pend;
        x.LA0(std::move(title));
        fields_118(x, i, last);
        i = x.Naiyou(i + 1, "");
    }
}

}  // namespace velmora::formats

// Format 114: "[賞    品]" header lines; the URL is on the second line below and the deadline
// ends the sixth line below.
#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {

void P114(extract::Primitives& x) {
    x.SKK();
    x.GetLi();
    x.form.List2.clear();
    const long last = x.ULI();
    long& i = x.form.LineNo;
    for (i = 0; i <= last; ++i) {
        if (!text::starts_with(x.L(i), "[賞    品]")) {
            continue;
        }
        x.form.ItemNo += 1;
        x.form.Pend = x.SeqLabel(x.form.ItemNo);
        x.form.Pend += text::trim_view(text::mid_view(x.L(i), 9));
        x.LA0(x.form.Pend);
        x.LA3(x.FixDate(text::right_view(text::trim_view(x.L(i + 6)), 11)));
        // A URL line without "htt" leaves an empty URL row, keeping the title-deadline-URL rows.
        const std::string_view url_line = x.L(i + 2);
        const long htt = text::find(url_line, "htt");
        x.LA3(htt == 0 ? std::string_view() : text::mid_view(url_line, htt));
        i = x.Naiyou(i + 1, "");
    }
}

}  // namespace velmora::formats

// Format 112: items from the first "━ 01 ━━━" rule on; each "━ nn ━" rule is followed by the
// prize line, the deadline line (date after "、") and the URL line.
#include "formats/header_tests_106_115.h"
#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {

bool Q112(std::string_view line) {
    return text::mid_view(line, 1, 1) == "━" && text::mid_view(line, 6, 1) == "━" &&
           text::reads_positive(text::mid_view(line, 3, 2));
}

void P112(extract::Primitives& x) {
    x.SKK();
    x.GetLi();
    const long last = x.ULI();
    long& i = x.form.LineNo;
    for (i = 0; i <= last; ++i) {
        if (text::starts_with(x.L(i), "━ 01 ━━━")) {
            break;
        }
    }
    x.form.List2.clear();
    for (; i <= last; ++i) {
        if (!Q112(x.L(i))) {
            continue;
        }
        x.form.ItemNo += 1;
        x.form.Pend = x.SeqLabel(x.form.ItemNo);
        x.form.Pend += x.L(i + 1);
        x.LA0(x.form.Pend);
        const std::string_view date_line = x.L(i + 2);
        x.LA3(x.FixDate(text::mid_view(date_line, text::find(date_line, "、") + 1, 8)));
        x.LA3(text::mid_view(x.L(i + 3), 4));
        i = x.Naiyou(i + 2, "");
    }
}

}  // namespace velmora::formats

// Format 115: items below the "【詳細情報】" line; each "[n]" header has its URL on the next line
// and the deadline after ":" five lines below; the body ends at a "-----" rule and the run ends
// when that rule line begins with "おわりに".
#include "formats/header_tests_106_115.h"
#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {

bool Q115(std::string_view line) {
    if (!text::starts_with(line, "[")) {
        return false;
    }
    const long close = text::find(line, "]");
    if (close == 0) {
        return false;
    }
    return text::reads_positive(text::mid_view(line, 2, close - 2));
}

void P115(extract::Primitives& x) {
    x.SKK();
    x.GetLi();
    const long last = x.ULI();
    long& i = x.form.LineNo;
    for (i = 0; i <= last; ++i) {
        if (text::trim_view(x.L(i)) == "【詳細情報】") {
            break;
        }
    }
    x.form.List2.clear();
    for (i = i + 1; i <= last; ++i) {
        if (!Q115(x.L(i))) {
            continue;
        }
        x.form.ItemNo += 1;
        x.form.Pend = x.SeqLabel(x.form.ItemNo);
        x.form.Pend += text::trim_view(text::mid_view(x.L(i), 5));
        x.LA0(x.form.Pend);
        x.form.Pend = text::trim_view(x.L(i + 1));
        x.LA3(x.FixDate(after_first_view(x.L(i + 5), ":")));
        x.LA3(x.form.Pend);
        i = x.Naiyou(i + 1, "-----");
        if (text::starts_with(x.L(i), "おわりに")) {
            return;
        }
    }
}

}  // namespace velmora::formats

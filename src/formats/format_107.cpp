// Format 107: "■n" header lines with a URL two lines below and the prize four lines below the
// header; the "[期間]" lines of the detail block give the deadline.
#include "formats/header_tests_106_115.h"
#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {

bool Q107(std::string_view line) {
    if (!text::starts_with(line, "■")) {
        return false;
    }
    return text::reads_positive(extract::Primitives::narrow(text::trim_view(text::mid_view(line, 2))));
}

namespace {

bool starts_item(const extract::Primitives& x, long k) {
    return Q107(x.L(k)) && text::contains(x.L(k + 2), "htt");
}

// The detail lines from four below the header up to the first blank line, each "[期間]" line
// also giving a deadline row. The block also ends before the next item's header, so that one
// contest never takes over the details and deadlines of those after it.
void copy_details(extract::Primitives& x, long header, long last) {
    for (long k = header + 4; k <= last; ++k) {
        const std::string_view line = x.L(k);
        if (text::trim_view(line).empty() || starts_item(x, k)) {
            break;
        }
        x.LA2(line);
        if (text::contains(line, "[期間]")) {
            x.LA3(x.FixDate(text::right_view(text::trim_view(line), 11)));
        }
    }
}

}  // namespace

void P107(extract::Primitives& x) {
    x.SKK();
    x.GetLi();
    x.form.List2.clear();
    const long last = x.ULI();
    long& i = x.form.LineNo;
    for (i = 0; i <= last - 1; ++i) {
        if (!starts_item(x, i)) {
            continue;
        }
        x.form.ItemNo += 1;
        x.form.Pend = x.SeqLabel(x.form.ItemNo);
        x.form.Pend += text::mid_view(x.L(i + 3), 5);
        x.LA0(x.form.Pend);
        x.LA2(x.L(i + 1));
        const std::string_view url_line = x.L(i + 2);
        x.LA2(url_line);
        const long htt = text::find(url_line, "htt");
        x.form.Pend = htt == 0 ? std::string_view() : text::trim_view(text::mid_view(url_line, htt));
        copy_details(x, i, last);
        if (!x.form.Pend.empty()) {
            x.LA3(x.form.Pend);
        }
        i += 8;
        x.LA2("");
    }
}

}  // namespace velmora::formats

// Format 102 "厳選豪華懸賞情報": numbered title lines with "・・・", the URL on the line below, the
// deadline on the "[締切日]" line, contests separated by rules. The section state in Mode is not
// reset: a parse starts with Mode as the previous one left it.
#include <utility>

#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {
namespace {

constexpr std::string_view kRule = "━━━━━━━";

long start_of_102(const extract::Primitives& x) {
    long i = 0;
    while (i <= x.ULI() && !(text::contains(x.L(i), "詳細") && text::contains(x.L(i + 1), kRule))) {
        ++i;
    }
    return i;
}

// The next line from its first "htt" on; the empty text when it holds none.
std::string_view url_below(const extract::Primitives& x, long i) {
    const std::string_view next = x.L(i + 1);
    const long p = text::find(next, "htt");
    return p > 0 ? text::trim_view(text::mid_view(next, p)) : std::string_view();
}

}  // namespace

void P102(extract::Primitives& x) {
    ui::Form3& f = x.form;
    x.GetLi();
    const long last = x.ULI();
    for (f.LineNo = start_of_102(x); f.LineNo <= last; ++f.LineNo) {
        const std::string_view line = x.L(f.LineNo);
        if (text::contains(line, kRule)) {
            f.Mode = 0;
            x.LA2("");
        } else {
            if (f.Mode == 1 && !text::trim_view(line).empty()) {
                x.LA2(line);
            }
            if (text::starts_with(line, "[締切日]")) {
                x.LA3(text::right_view(text::trim_view(line), 10));
                x.LA3(f.Pend);
            }
        }
        if (text::reads_positive(text::left_view(line, 2)) && text::contains(line, "・・・")) {
            x.LA0(line);
            f.Pend = url_below(x, f.LineNo);
            f.Mode = 1;
        }
    }
}

}  // namespace velmora::formats

// Format 104 "AAA-Present! 高額懸賞情報": each "☆★" line starts a contest numbered from 00; the
// deadline closes the line two or three below, the details follow, and the last detail is the URL.
#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {
namespace {

constexpr long kLastDetail = 11;

void contest_104(extract::Primitives& x) {
    ui::Form3& f = x.form;
    const long i = f.LineNo;
    const std::string_view line = x.L(i);
    const std::string_view next = x.L(i + 1);
    long k = 2;
    f.Memo = x.SeqLabel(f.Mode);
    f.Memo += text::trim_view(text::mid_view(line, 3));
    if (!next.empty()) {
        f.Memo += text::trim_view(next);
        k = 3;
    }
    x.LA0(f.Memo);

    f.Pend = x.narrow(text::trim_view(x.L(i + k)));
    const long blank = text::rfind(f.Pend, " ");
    x.LA3(x.FixDate(blank > 0 ? text::mid_view(f.Pend, blank + 1) : std::string_view(f.Pend)));

    long url_line = -1;  // the last detail; none when the contest has no details
    for (long j = k; j <= kLastDetail; ++j) {
        if (!text::trim_view(x.L(i + j)).empty()) {
            x.LA2(x.L(i + j));
            url_line = i + j;
        }
    }
    x.LA3(url_line < 0 ? std::string_view() : std::string_view(x.L(url_line)));
    x.LA2("");
    ++f.Mode;
}

}  // namespace

void P104(extract::Primitives& x) {
    ui::Form3& f = x.form;
    x.SKK();
    x.GetLi();
    const long last = x.ULI();
    for (f.LineNo = 0; f.LineNo <= last; ++f.LineNo) {
        if (text::starts_with(x.L(f.LineNo), "☆★")) {
            contest_104(x);
        }
    }
}

}  // namespace velmora::formats

// Format 119: items open with a three-digit number and "◆"; the title runs on until the line
// before the URL, the line after the URL carries the deadline between its first two slashes.
#include <utility>
#include "formats/header_tests_116_125.h"

#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {
namespace {

// The text between the first and the second "/" of the line, dots turned into slashes; the
// empty text when the line has fewer than two slashes.
std::string deadline_text_119(extract::Primitives& x, std::string_view line) {
    const long first = text::find(line, "/");
    x.form.Pend = first > 0 ? text::mid_view(line, first + 1) : std::string_view();
    const long second = text::find(x.form.Pend, "/");
    if (second == 0) {
        return {};
    }
    return text::replace_all(text::left_view(x.form.Pend, second - 1), ".", "/");
}

void item_119(extract::Primitives& x, long last) {
    long& i = x.form.LineNo;
    x.form.ItemNo += 1;
    x.form.Pend = text::trim_view(x.L(i));
    // Title lines run on up to the URL line; without one they run to the end of the text.
    while (i <= last && !text::starts_with(text::trim_view(x.L(i + 1)), "htt")) {
        x.form.Pend += text::trim_view(x.L(i + 1));
        i += 1;
    }
    std::string title = x.SeqLabel(x.form.ItemNo);
    title += text::mid_view(x.form.Pend, 5);
    x.LA0(std::move(title));
    x.form.Work = text::trim_view(x.L(i + 1));
    x.LA3(x.FixDate(deadline_text_119(x, x.L(i + 2))));
    x.LA3(x.form.Work);
    i = x.Naiyou(i + 1, "");
}

}  // namespace

int Q119(std::string_view line) {
    return text::mid_view(line, 4, 1) == "◆" && text::reads_positive(text::left_view(line, 3)) ? 1 : 0;
}

void P119(extract::Primitives& x) {
    x.SKK();
    x.GetLi();
    x.form.List2.clear();
    const long last = x.ULI();
    long& i = x.form.LineNo;
    for (i = 0; i <= last; ++i) {
        if (Q119(x.L(i)) == 1) {
            item_119(x, last);
        }
    }
}

}  // namespace velmora::formats

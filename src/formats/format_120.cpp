// Format 120: an item is a "★" line that carries its month/day date in front of "締切("; the
// whole line is the title and the next line the URL.
#include <utility>
#include "formats/header_tests_116_125.h"

#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {
namespace {

// The five characters in front of the first "締切"; the empty text when fewer than five stand there.
std::string_view deadline_text_120(std::string_view line) {
    const long at = text::find(line, "締切");
    if (at <= 5) {
        return {};
    }
    return text::mid_view(line, at - 5, 5);
}

}  // namespace

int Q120(std::string_view line) {
    return text::starts_with(line, "★") && text::contains(line, "締切(") ? 1 : 0;
}

void P120(extract::Primitives& x) {
    x.SKK();
    x.GetLi();
    x.form.List2.clear();
    const long last = x.ULI();
    long& i = x.form.LineNo;
    for (i = 0; i <= last; ++i) {
        if (Q120(x.L(i)) != 1) {
            continue;
        }
        x.form.ItemNo += 1;
        std::string title = x.SeqLabel(x.form.ItemNo);
        title += text::trim_view(x.L(i));
        x.LA0(std::move(title));
        x.LA3(x.FixDate(deadline_text_120(x.L(i))));
        x.LA3(x.L(i + 1));
        i = x.Naiyou(i + 1, "");
    }
}

}  // namespace velmora::formats

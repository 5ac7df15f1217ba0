// Format 123: an item is a "▼" title line with its URL on the very next line; the line after
// the URL ends with the deadline written with dots after its last "/".
#include <utility>

#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {
namespace {

// Work takes the part after the last "/"; the date is Work up to its first blank, dots turned
// into slashes (the empty text when Work has no blank).
std::string deadline_text_123(extract::Primitives& x, std::string_view line) {
    x.form.Work = text::mid_view(line, text::rfind(line, "/") + 1);
    const long blank = text::find(x.form.Work, " ");
    if (blank == 0) {
        return {};
    }
    return text::replace_all(text::left_view(x.form.Work, blank - 1), ".", "/");
}

}  // namespace

void P123(extract::Primitives& x) {
    x.SKK();
    x.GetLi();
    x.form.List2.clear();
    const long last = x.ULI();
    long& i = x.form.LineNo;
    for (i = 0; i <= last; ++i) {
        if (!text::starts_with(x.L(i), "▼") || !text::starts_with(x.L(i + 1), "htt")) {
            continue;
        }
        x.form.ItemNo += 1;
        std::string title = x.SeqLabel(x.form.ItemNo);
        title += x.L(i);
        x.LA0(std::move(title));
        x.form.Pend = x.L(i + 1);
        x.LA3(x.FixDate(deadline_text_123(x, x.L(i + 2))));
        x.LA3(x.form.Pend);
        i = x.Naiyou(i + 1, "");
    }
}

}  // namespace velmora::formats

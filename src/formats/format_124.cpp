// Format 124: items open with "[賞"; the URL stands on the second line below from position 10,
// the deadline is the last blank-separated word of the third line below, written with dots.
#include <utility>

#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {
namespace {

// Work's text from its last blank on, dots turned into slashes (the empty text without a blank).
std::string deadline_text_124(std::string_view work) {
    const long blank = text::rfind(work, " ");
    if (blank == 0) {
        return {};
    }
    return text::replace_all(text::mid_view(work, blank), ".", "/");
}

}  // namespace

void P124(extract::Primitives& x) {
    x.SKK();
    x.GetLi();
    x.form.List2.clear();
    const long last = x.ULI();
    long& i = x.form.LineNo;
    for (i = 0; i <= last; ++i) {
        if (!text::starts_with(x.L(i), "[賞")) {
            continue;
        }
        x.form.ItemNo += 1;
        std::string title = x.SeqLabel(x.form.ItemNo);
        title += text::mid_view(x.L(i), 8);
        x.LA0(std::move(title));
        x.form.Pend = text::mid_view(x.L(i + 2), 10);
        x.form.Work = x.L(i + 3);
        x.LA3(x.FixDate(deadline_text_124(x.form.Work)));
        x.LA3(x.form.Pend);
        i = x.Naiyou(i + 1, "");
    }
}

}  // namespace velmora::formats

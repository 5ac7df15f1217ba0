// Format 125: an item opens with a "*****" rule over the title line, the deadline line and a
// URL line; the body runs from the deadline line to the next "*****" rule.
#include <utility>

#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {

void P125(extract::Primitives& x) {
    x.SKK();
    x.GetLi();
    x.form.List2.clear();
    const long bound = x.ULI() - 3;
    long& i = x.form.LineNo;
    for (i = 0; i <= bound; ++i) {
        if (!text::starts_with(x.L(i), "*****") || !text::starts_with(x.L(i + 3), "htt")) {
            continue;
        }
        x.form.ItemNo += 1;
        std::string title = x.SeqLabel(x.form.ItemNo);
        title += x.L(i + 1);
        x.LA0(std::move(title));
        // The deadline is kept exactly as written.
        x.LA3(text::mid_view(x.L(i + 2), 7, 10));
        x.LA3(x.L(i + 3));
        i = x.Naiyou(i + 2, "*****");
    }
}

}  // namespace velmora::formats

// Format 116: items open with "> ◆"; the line below holds "|締:" and the deadline, the URL
// follows on the second line below or, when that is no URL, on the third. Ellipses are removed
// from the whole newsletter before it is split into lines.
#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {
namespace {

void item_116(extract::Primitives& x) {
    long& i = x.form.LineNo;
    x.form.ItemNo += 1;
    x.form.Pend = x.SeqLabel(x.form.ItemNo);
    x.form.Pend += text::trim_view(text::mid_view(x.L(i), 4));
    x.LA0(x.form.Pend);

    // Without "|締:" the find gives 0, so the date is read from position 3 of the line.
    const std::string_view due = x.L(i + 1);
    x.LA3(x.FixDate(text::mid_view(due, text::find(due, "|締:") + 3, 8)));

    x.LA3(text::starts_with(x.L(i + 2), "htt") ? x.L(i + 2) : x.L(i + 3));
    i = x.Naiyou(i + 1, "");
}

}  // namespace

void P116(extract::Primitives& x) {
    x.SKK();
    const std::string clipboard = x.platform.clipboard_text();
    if (text::contains(clipboard, "…")) {
        x.set_lines_from(text::replace_all(clipboard, "…", ""));
    } else {
        x.set_lines_from(clipboard);  // nothing to remove: no second copy of the newsletter
    }
    x.form.List2.clear();
    const long last = x.ULI();
    long& i = x.form.LineNo;
    for (i = 0; i <= last; ++i) {
        if (text::starts_with(x.L(i), "> ◆")) {
            item_116(x);
        }
    }
}

}  // namespace velmora::formats

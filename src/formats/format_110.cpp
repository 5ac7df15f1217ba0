// Format 110: "┏━【category】" lines set the category put into the titles below them; headers
// are "★★┬┤懸" lines or "■n┬" lines, and the "├┤締切日" and "├┤アドレ" field lines follow.
#include "formats/header_tests_106_115.h"
#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {

bool Q110(std::string_view line) {
    if (text::starts_with(text::trim_view(line), "★★┬┤懸")) {
        return true;
    }
    if (!text::contains(line, "■") || !text::contains(line, "┬")) {
        return false;  // the byte search spares counting characters on most lines
    }
    const long mark = text::find(line, "■");
    const long bar = text::find(line, "┬");
    if (mark == 0 || bar <= mark) {
        return false;
    }
    return text::reads_positive(extract::Primitives::narrow(text::mid_view(line, mark + 1, bar - mark - 1)));
}

namespace {

// The bracketed category without blanks; empty when the line has no "】".
std::string category(std::string_view line) {
    const long close = text::find(line, "】");
    return close == 0 ? std::string() : text::replace_all(text::mid_view(line, 3, close - 2), " ", "");
}

// The deadline and URL field lines below the header, up to the first "├┤アドレ" line. The
// search also ends at the next header, so an item without field lines of its own never takes
// those of the items below it.
void add_fields(extract::Primitives& x, long header, long last) {
    for (long k = header; k <= last; ++k) {
        const std::string_view line = x.L(k);
        if (k > header && Q110(line)) {
            break;
        }
        const std::string_view trimmed = text::trim_view(line);
        if (text::starts_with(trimmed, "├┤締切日")) {
            x.LA3(after_first_view(line, "☆"));
        }
        if (text::starts_with(trimmed, "├┤アドレ")) {
            x.LA3(after_first_view(line, "☆"));
            break;
        }
    }
}

}  // namespace

void P110(extract::Primitives& x) {
    x.SKK();
    x.GetLi();
    x.form.List2.clear();
    // Each run starts without a category, so no title carries the scratch text of an earlier run.
    x.form.Work.clear();
    const long last = x.ULI();
    long& i = x.form.LineNo;
    for (i = 0; i <= last; ++i) {
        if (text::starts_with(x.L(i), "┏━【")) {
            x.form.Work = category(x.L(i));
        }
        if (!Q110(x.L(i))) {
            continue;
        }
        x.form.ItemNo += 1;
        x.form.Pend = x.SeqLabel(x.form.ItemNo);
        x.form.Pend += x.form.Work;
        x.form.Pend += after_first_view(x.L(i), "☆");
        x.LA0(x.form.Pend);
        add_fields(x, i, last);
        i = x.Naiyou(i + 1, "");
    }
}

}  // namespace velmora::formats

// Format 111: items from the first "▼［01］" line on; each "▼［nn］" header (trimmed in place)
// has its URL on the next line and the deadline at the end of the sixth line below.
#include "formats/header_tests_106_115.h"
#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {

namespace {

// The header test of a line already trimmed.
bool is_header_111(std::string_view line) {
    return text::mid_view(line, 1, 1) == "▼" && text::mid_view(line, 2, 1) == "［" &&
           text::mid_view(line, 5, 1) == "］" && text::reads_positive(text::mid_view(line, 3, 2));
}

}  // namespace

bool Q111(std::string& line) {
    const std::string_view kept = text::trim_view(line);
    if (kept.size() != line.size()) {
        line = std::string(kept);
    }
    return is_header_111(line);
}

namespace {

// Trims line i in its own place (every tested line is kept trimmed); i is within the lines.
bool test_and_store(extract::Primitives& x, long i) {
    const std::string_view line = x.L(i);
    const std::string_view kept = text::trim_view(line);
    if (kept.size() != line.size()) {
        x.set_line(i, kept);
    }
    return is_header_111(x.L(i));
}

}  // namespace

void P111(extract::Primitives& x) {
    x.SKK();
    x.GetLi();
    const long last = x.ULI();
    long& i = x.form.LineNo;
    for (i = 0; i <= last; ++i) {
        if (text::starts_with(text::trim_view(x.L(i)), "▼［01］")) {
            break;
        }
    }
    x.form.List2.clear();
    for (; i <= last; ++i) {
        if (!test_and_store(x, i)) {
            continue;
        }
        x.form.ItemNo += 1;
        x.form.Pend = x.SeqLabel(x.form.ItemNo);
        x.form.Pend += after_first_view(x.L(i), "］");
        x.LA0(x.form.Pend);
        x.form.Pend = text::trim_view(x.L(i + 1));
        x.LA3(x.FixDate(text::right_view(x.L(i + 6), 10)));
        x.LA3(x.form.Pend);
        i = x.Naiyou(i + 1, "");
    }
}

}  // namespace velmora::formats

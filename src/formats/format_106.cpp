// Format 106: "★nn:" header lines; the deadline follows "〆" three lines below, the URL is two
// lines below, and the body runs up to the "応募したら→" line.
#include <utility>
#include "formats/header_tests_106_115.h"

#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {

std::string_view after_first_view(std::string_view line, std::string_view marker) {
    // Cut at the marker's bytes: the same cut as its character position gives, without counting
    // the characters in front of it.
    const std::size_t at = text::find_bytes(line, marker);
    return at == std::string_view::npos ? line : line.substr(at + marker.size());
}

std::string after_first(std::string_view line, std::string_view marker) {
    return std::string(after_first_view(line, marker));
}

bool Q106(std::string_view line) {
    if (!text::starts_with(line, "★")) {
        return false;
    }
    const long colon = text::find(line, ":");
    if (colon == 0) {
        return false;
    }
    return text::reads_positive(text::mid_view(line, 2, colon - 2));
}

void P106(extract::Primitives& x) {
    x.SKK();
    x.GetLi();
    x.form.List2.clear();
    const long last = x.ULI();
    long& i = x.form.LineNo;
    for (i = 0; i <= last; ++i) {
        if (!Q106(x.L(i))) {
            continue;
        }
        x.LA0(x.L(i));
        // Without "〆" the cut starts at position 2 of the line, as the newsletter has always been read.
        const std::string_view date_line = x.L(i + 3);
        x.LA3(text::mid_view(date_line, text::find(date_line, "〆") + 2, 10));
        x.LA3(x.L(i + 2));
        i = x.Naiyou(i + 1, "応募したら→");
    }
}

}  // namespace velmora::formats

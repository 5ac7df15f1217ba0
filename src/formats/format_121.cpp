// Format 121: box and separator rules are blanked first so that they end item bodies; "===◆"
// lines name the category that goes into the titles below them; an item is a line with "■" as
// its 2nd character over two "│■" lines holding the deadline and the URL.
#include <utility>
#include "formats/header_tests_116_125.h"

#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {
namespace {

// The last five characters are one of the rules. Each rule opens with a lead byte, so a line
// ends with a rule's five characters exactly when it ends with the rule's bytes.
bool is_rule_121(std::string_view line) {
    return text::ends_with(line, "────┐") || text::ends_with(line, "─────") || text::ends_with(line, "━━━━━");
}

void blank_rules_121(extract::Primitives& x, long last) {
    for (long k = 0; k <= last; ++k) {
        if (is_rule_121(x.L(k))) {
            x.set_line(k, "");
        }
    }
}

// The category from position 4 through the next "◆"; the empty text when there is none.
std::string_view category_121(std::string_view line) {
    const long close = text::find(line, "◆", 5);
    return close > 0 ? text::mid_view(line, 4, close - 3) : std::string_view();
}

// From position 8 up to the first blank found from position 9 on; the empty text without one.
std::string_view deadline_text_121(std::string_view line) {
    const long blank = text::find(line, " ", 9);
    return blank > 0 ? text::mid_view(line, 8, blank - 8) : std::string_view();
}

void item_121(extract::Primitives& x) {
    long& i = x.form.LineNo;
    x.form.ItemNo += 1;
    std::string title = x.SeqLabel(x.form.ItemNo);
    title += x.form.Pend;
    title += text::trim_view(text::mid_view(x.L(i), 7));
    x.LA0(std::move(title));
    x.LA3(x.FixDate(deadline_text_121(x.L(i + 1))));
    const std::string_view link = x.L(i + 2);
    x.LA3(text::mid_view(link, text::find(link, "：") + 1));
    i = x.Naiyou(i + 1, "");
}

}  // namespace

int Q121(const extract::Primitives& x, long i) {
    return text::mid_view(x.L(i), 2, 1) == "■" && text::starts_with(x.L(i + 1), "│■") &&
                   text::starts_with(x.L(i + 2), "│■")
               ? 1
               : 0;
}

void P121(extract::Primitives& x) {
    x.SKK();
    x.GetLi();
    blank_rules_121(x, x.ULI());
    x.form.List2.clear();
    const long bound = x.ULI() - 2;
    long& i = x.form.LineNo;
    for (i = 0; i <= bound; ++i) {
        if (text::starts_with(x.L(i), "===◆")) {
            x.form.Pend = category_121(x.L(i));
        }
        if (Q121(x, i) == 1) {
            item_121(x);
        }
    }
}

}  // namespace velmora::formats

// Format 108: "(nn)" header lines (full-width forms accepted: every tested line is narrowed in
// place); the line below holds a word and a "／" date, the body ends at the first blank line and
// the URL is the body's last line.
#include "formats/header_tests_106_115.h"
#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {

bool Q108(std::string& line) {
    line = extract::Primitives::narrow(line);
    if (text::mid(line, 1, 1) != "(" || text::mid(line, 4, 1) != ")") {
        return false;
    }
    if (text::mid(line, 2, 1) == " " && text::reads_positive(text::mid(line, 3, 1))) {
        return true;
    }
    return text::reads_positive(text::mid(line, 2, 2));
}

namespace {

bool test_and_store(extract::Primitives& x, long i) {
    std::string line = x.L(i);
    const bool header = Q108(line);
    x.set_line(i, line);
    return header;
}

// The deadline line cut two characters past its first "／", trimmed and narrowed; the List2 row
// is its leading word followed by the date, and the date alone goes to List3.
void add_deadline(extract::Primitives& x, const std::string& deadline_line) {
    const long slash = text::find(deadline_line, "／");
    x.form.Work = x.narrow(text::trim(text::left(deadline_line, slash + 2)));
    const std::string& work = x.form.Work;
    const long first_blank = text::find(work, " ");
    const long last_blank = text::rfind(work, " ");
    // Without a blank the whole of Work is the date, for the row and for the deadline alike.
    const std::string date = x.FixDate(text::mid(work, last_blank + 1));
    x.LA2(text::left(text::trim(deadline_line), first_blank) + date);
    x.LA3(x.FixDate(last_blank == 0 ? work : text::mid(work, last_blank)));
}

}  // namespace

void P108(extract::Primitives& x) {
    x.SKK();
    x.GetLi();
    x.form.List2.clear();
    const long last = x.ULI();
    long& i = x.form.LineNo;
    for (i = 0; i <= last; ++i) {
        if (!test_and_store(x, i)) {
            continue;
        }
        x.form.ItemNo += 1;
        x.form.Pend = x.SeqLabel(x.form.ItemNo) + text::mid(x.L(i), 5);
        x.LA0(x.form.Pend);
        add_deadline(x, x.L(i + 1));
        i = x.Naiyou(i + 2, "");
        x.LA3(x.L(i - 1));
    }
}

}  // namespace velmora::formats

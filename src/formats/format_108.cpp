// Format 108: "(nn)" header lines (full-width forms accepted: a header is read narrowed); the
// line below holds a word and a "／" date, the body ends at the first blank line and the URL is
// the body's last line.
#include <algorithm>
#include <array>

#include "formats/header_tests_106_115.h"
#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {

namespace {

bool is_ascii(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The header test of a line already narrowed: "(" and ")" as characters 1 and 4, and a positive
// number in 2 and 3 or a blank and a positive number. The four are found in one pass.
bool is_header_108(std::string_view line) {
    std::array<std::size_t, 5> start{};  // where characters 1 to 4 start, and where 4 ends
    for (std::size_t k = 1; k < start.size(); ++k) {
        start[k] = start[k - 1] + text::left_view(line.substr(start[k - 1]), 1).size();
    }
    const auto character = [&](std::size_t n) { return line.substr(start[n - 1], start[n] - start[n - 1]); };
    if (character(1) != "(" || character(4) != ")") {
        return false;
    }
    if (character(2) == " " && text::reads_positive(character(3))) {
        return true;
    }
    return text::reads_positive(line.substr(start[1], start[3] - start[1]));
}

// Tests line i as it reads narrowed; only a line that starts with "(" or "（" can pass, so only
// those are narrowed. A header is kept narrowed in Lines, as it is read again; other tested
// lines are never read again. i is within the lines; `scratch` is reused room.
bool test_and_store(extract::Primitives& x, long i, std::string& scratch) {
    const std::string_view line = x.L(i);
    // Only "(" and "（" narrow to a text that starts with "(".
    if (!text::starts_with(line, "(") && !text::starts_with(line, "（")) {
        return false;
    }
    if (is_ascii(line)) {  // a line of ASCII only narrows to itself
        return is_header_108(line);
    }
    extract::Primitives::narrow_into(line, scratch);
    if (!is_header_108(scratch)) {
        return false;
    }
    x.set_line(i, scratch);
    return true;
}

// The deadline line cut two characters past its first "／", trimmed and narrowed; the List2 row
// is its leading word followed by the date, and the date alone goes to List3.
// `row` is scratch room reused from contest to contest.
void add_deadline(extract::Primitives& x, std::string_view deadline_line, std::string& row) {
    // Cut at the slash's bytes, without counting the characters in front of it.
    constexpr std::string_view kSlash = "／";
    const std::size_t slash = text::find_bytes(deadline_line, kSlash);
    const std::size_t after = slash == std::string_view::npos ? 0 : slash + kSlash.size();
    const std::string_view cut =
        deadline_line.substr(0, after + text::left_view(deadline_line.substr(after), 2).size());
    extract::Primitives::narrow_into(text::trim_view(cut), x.form.Work);
    const std::string& work = x.form.Work;
    const long first_blank = text::find(work, " ");
    const long last_blank = text::rfind(work, " ");
    // Without a blank the whole of Work is the date, for the row and for the deadline alike.
    const std::string date = x.FixDate(text::mid_view(work, last_blank + 1));
    row.assign(text::left_view(text::trim_view(deadline_line), first_blank));
    row += date;
    x.LA2(row);
    x.LA3(x.FixDate(last_blank == 0 ? std::string_view(work) : text::mid_view(work, last_blank)));
}

}  // namespace

bool Q108(std::string& line) {
    if (!is_ascii(line)) {
        line = extract::Primitives::narrow(line);
    }
    return is_header_108(line);
}

void P108(extract::Primitives& x) {
    x.SKK();
    x.GetLi();
    x.form.List2.clear();
    const long last = x.ULI();
    long& i = x.form.LineNo;
    std::string scratch;
    for (i = 0; i <= last; ++i) {
        if (!test_and_store(x, i, scratch)) {
            continue;
        }
        x.form.ItemNo += 1;
        x.form.Pend = x.SeqLabel(x.form.ItemNo);
        x.form.Pend += text::mid_view(x.L(i), 5);
        x.LA0(x.form.Pend);
        add_deadline(x, x.L(i + 1), scratch);
        i = x.Naiyou(i + 2, "");
        x.LA3(x.L(i - 1));
    }
}

}  // namespace velmora::formats

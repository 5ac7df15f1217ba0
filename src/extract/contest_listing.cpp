#include "extract/contest_listing.h"

#include <cstdio>

namespace velmora::extract {
namespace {

using Rows = text::PackedLines;

// Index of the first row at or after `from` equal to `text`; -1 when none.
long find_row(const Rows& rows, std::string_view text, long from) {
    for (long i = from; i < static_cast<long>(rows.size()); ++i) {
        if (rows[static_cast<std::size_t>(i)] == text) {
            return i;
        }
    }
    return -1;
}

// Deadline and URL: the rows after the title in List3, none past the next contest's title. A
// contest left with a single row whose text is a URL has no deadline row, only its URL.
void read_data_rows(const Rows& list3, long at, std::string_view next_title, Contest& contest) {
    std::vector<std::string_view> found;
    for (long row = at + 1; row < static_cast<long>(list3.size()) && found.size() < 2; ++row) {
        const std::string_view text = list3[static_cast<std::size_t>(row)];
        if (text == next_title) {
            break;
        }
        found.push_back(text);
    }
    if (found.size() == 1 && found[0].starts_with("htt")) {
        contest.url = std::string(found[0]);
        return;
    }
    if (!found.empty()) {
        contest.deadline = std::string(found[0]);
    }
    if (found.size() > 1) {
        contest.url = std::string(found[1]);
    }
}

void read_details(const Rows& list2, long at, Contest& contest) {
    for (long row = at + 1; row < static_cast<long>(list2.size()); ++row) {
        const std::string_view text = list2[static_cast<std::size_t>(row)];
        if (text.empty()) {
            return;
        }
        contest.details.emplace_back(text);
    }
}

}  // namespace

std::vector<Contest> contests_in(const ui::Form3& form, Details details) {
    const Rows& titles = form.List1.rows();
    const Rows& list2 = form.List2.rows();
    const Rows& list3 = form.List3.rows();
    std::vector<Contest> contests;
    contests.reserve(titles.size());  // one block, not a doubling copy of a large listing
    long from2 = 0;
    long from3 = 0;
    for (std::size_t n = 0; n < titles.size(); ++n) {
        Contest contest;
        contest.number = static_cast<long>(n) + 1;
        contest.title = std::string(titles[n]);
        const std::string_view next_title = n + 1 < titles.size() ? titles[n + 1] : std::string_view();
        if (const long at = find_row(list3, contest.title, from3); at >= 0) {
            read_data_rows(list3, at, next_title, contest);
            from3 = at + 1;
        }
        if (const long at = details == Details::Read ? find_row(list2, contest.title, from2) : -1; at >= 0) {
            read_details(list2, at, contest);
            from2 = at + 1;
        }
        contests.push_back(std::move(contest));
    }
    return contests;
}

std::string json_string(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string json_line(const Contest& contest) {
    std::string out = "{\"number\":" + std::to_string(contest.number);
    if (!contest.format.empty()) {
        out += ",\"format\":" + json_string(contest.format);
    }
    out += ",\"title\":" + json_string(contest.title);
    out += ",\"deadline\":" + json_string(contest.deadline);
    out += ",\"url\":" + json_string(contest.url);
    out += ",\"details\":[";
    for (std::size_t i = 0; i < contest.details.size(); ++i) {
        out += (i == 0 ? "" : ",") + json_string(contest.details[i]);
    }
    return out + "]}\n";
}

std::string text_block(const Contest& contest) {
    std::string out = "#" + std::to_string(contest.number) + " " + contest.title + "\n";
    out += "  deadline: " + contest.deadline + "\n";
    out += "  url:      " + contest.url + "\n";
    if (!contest.format.empty()) {
        out += "  format:   " + contest.format + "\n";
    }
    for (const std::string& detail : contest.details) {
        out += "  | " + detail + "\n";
    }
    return out + "\n";
}

}  // namespace velmora::extract

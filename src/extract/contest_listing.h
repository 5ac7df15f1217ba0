#pragma once
// The contests a parse left in the extraction window's lists, read back one by one (title from
// List1, deadline and URL from List3, details from List2) and written as JSON lines or as
// readable text blocks, for the command-line extractor.
//
//   for (const Contest& c : contests_in(form)) out += json_line(c);

#include <string>
#include <vector>

#include "ui/form3.h"

namespace velmora::extract {

struct Contest {
    long number = 0;     // counted from 1 in List1 order
    std::string format;  // the parser that found it ("117", "generic"); empty when the caller named it
    std::string title;
    std::string deadline;
    std::string url;
    std::vector<std::string> details;
};

// Whether contests_in copies each contest's detail rows (scoring a parse needs none).
enum class Details { Read, Skip };

// One contest per List1 row. Deadline and URL are the two List3 rows after the title's row there
// (empty when the list ends, or the next contest's title comes, first; a lone row that is a URL is
// the URL, not the deadline); the details are the List2
// rows after the title's row up to the next blank row.
std::vector<Contest> contests_in(const ui::Form3& form, Details details = Details::Read);

// {"number":1,"title":"...","deadline":"...","url":"...","details":["..."]} and a line break;
// with a format, "format":"117" follows the number.
std::string json_line(const Contest& contest);
// A JSON string literal: quotes, backslashes and control characters escaped, the rest as UTF-8.
std::string json_string(std::string_view text);

// The contest as a few indented lines followed by a blank line.
std::string text_block(const Contest& contest);

}  // namespace velmora::extract

#pragma once
// Where a line's prize text lies: its text after the marks and label, up to its first address,
// with its dates and their words (12/20〆, 締切：12/20) cut out, keeping the longest piece left.
//
//   "図書カード3000円分(10名) 12/20〆 https://…"  ->  "図書カード3000円分(10名)"

#include "extract/generic/line_info.h"

namespace velmora::extract::generic {

// Sets the line's title_begin, title_end and title_chars.
void find_title(LineInfo& line);

}  // namespace velmora::extract::generic

#pragma once
// Newsletters that list contests as a table: a header row of labels ("賞品 | 人数 | 締切") gives
// each column its meaning, so the rows below it name their prize in the prize column and their
// deadline in the deadline column, whatever words the cells themselves carry.
//
//   read_tables(lines);  // after classify_lines: rows get their prize text and date roles

#include <vector>

#include "extract/generic/line_info.h"

namespace velmora::extract::generic {

void read_tables(std::vector<LineInfo>& lines);

}  // namespace velmora::extract::generic

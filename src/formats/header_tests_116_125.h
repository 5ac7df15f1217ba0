#pragma once
// The item-header tests of formats 119 to 121, visible for their unit tests. Formats 116 to 118
// and 122 to 125 test their headers inline in the parser.
//
//   Q119("001◆旅行券") == 1;  Q120("★ギフト券 5/31締切(必着)") == 1

#include <string_view>

#include "extract/primitives.h"

namespace velmora::formats {

// A line whose first three characters read as a positive number and whose 4th is "◆".
int Q119(std::string_view line);
// A line that begins with "★" and contains "締切(".
int Q120(std::string_view line);
// Line i has "■" as its 2nd character and lines i+1 and i+2 both begin with "│■".
int Q121(const extract::Primitives& x, long i);

}  // namespace velmora::formats

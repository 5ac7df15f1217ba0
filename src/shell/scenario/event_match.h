#pragma once
// Comparing event lines: an expected line matches an actual one word by word, quoted texts
// compared decoded, and a lone `*` in the expected line matches any one word, number or text.
//
//   event_line_matches("topmost Form3 * * * *", "topmost Form3 10 20 155 355") == true

#include <string>
#include <string_view>
#include <vector>

namespace velmora::shell::scenario {

bool event_line_matches(std::string_view expected, std::string_view actual);

// The first index at which the lists differ, or -1 when every line matches and the counts agree.
long first_event_mismatch(const std::vector<std::string>& expected, const std::vector<std::string>& actual);

}  // namespace velmora::shell::scenario

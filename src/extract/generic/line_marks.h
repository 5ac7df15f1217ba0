#pragma once
// The item marks a line may begin with, each read at one position of a folded line: circled and
// punctuated numbers ("①", "1.", "２）", "01・・・"), numbered words ("No.12", "#3"), ranks of
// prizes ("A賞", "1等"), and the brackets a heading or label stands in.
//
//   std::size_t p = 0;  number_mark("1. 温泉", p, 7, false) == 2 && p == 2

#include <cstddef>
#include <string_view>

namespace velmora::extract::generic {

bool is_circled_number(char32_t c);
// The closing bracket of an opening one (【 → 】); 0 for a character that opens none.
char32_t closer_of(char32_t open);
bool all_digits(std::string_view s);
// The closing bracket of the one opening at `pos`, within a short reach; npos when none.
std::size_t find_closer(std::string_view s, std::size_t pos, std::size_t end, char32_t closer);
// "1." "２）" "3、" at pos (after a bullet also "01 "): the style, or 0; `pos` moves past the mark.
int number_mark(std::string_view s, std::size_t& pos, std::size_t end, bool after_bullet);
// "No.1", "NO 2", "#3": the style, or 0; `pos` moves past the mark.
int numbered_word(std::string_view s, std::size_t& pos, std::size_t end);
// A rank of several prizes ("A賞", "1等", "2等賞"): its bytes, or 0.
std::size_t rank_word(std::string_view s, std::size_t pos, std::size_t end);

}  // namespace velmora::extract::generic

#pragma once
// Header tests of newsletter formats 106 to 115: each says whether one line opens a contest of
// its format. Q108 and Q111 also rewrite the line they are given (narrowed, trimmed).
//
//   Q106("★12:ビール") == true;  std::string s = "（１２）米"; Q108(s) && s == "(12)米"

#include <string>
#include <string_view>

namespace velmora::formats {

// ★, a positive number, then ":".
bool Q106(std::string_view line);
// ■ followed by text that, trimmed and narrowed, reads as a positive number.
bool Q107(std::string_view line);
// Narrows the line in place; a header begins with "(nn)" or "( n)" holding a positive number.
bool Q108(std::string& line);
// "★★┬┤懸" at the start of the trimmed line, or a positive number between the first ■ and ┬.
bool Q110(std::string_view line);
// Trims the line in place; a header is ▼［nn］ with a positive number.
bool Q111(std::string& line);
// ━ at positions 1 and 6 and a positive number at 3 and 4.
bool Q112(std::string_view line);
// "[" first and a positive number up to the first "]".
bool Q115(std::string_view line);

// The part of `line` after the first `marker` (the whole line when it has none).
std::string after_first(std::string_view line, std::string_view marker);
// after_first as a view into `line`.
std::string_view after_first_view(std::string_view line, std::string_view marker);

}  // namespace velmora::formats

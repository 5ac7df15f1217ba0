#pragma once
// Character-position string functions on UTF-8 text. Every parser and procedure counts
// characters (code points), 1-based, and cutting never fails: see the rules beside each one.
//
//   text::mid("懸賞情報", 2, 2) == "賞情";  text::find("a/b/c", "/", 3) == 4

#include <string>
#include <string_view>
#include <vector>

namespace velmora::text {

// Decodes the character starting at byte `pos` and moves `pos` past it. A byte sequence that is
// no character decodes as U+FFFD and consumes one byte, so malformed input never stops a scan.
char32_t decode_next(std::string_view s, std::size_t& pos);
std::string encode(char32_t c);
// The same text with every malformed byte replaced by U+FFFD (valid UTF-8 out).
std::string sanitize(std::string_view s);
std::u32string to_u32(std::string_view s);
std::string from_u32(std::u32string_view s);

// Number of characters.
long length(std::string_view s);

// Piece from character `start` (1-based). A start beyond the end gives the empty text; a count
// beyond the end gives the rest; a start of 0 or below counts as 1, a negative count as 0.
std::string mid(std::string_view s, long start);
std::string mid(std::string_view s, long start, long count);
// n >= length gives the whole text, n <= 0 the empty text.
std::string left(std::string_view s, long n);
std::string right(std::string_view s, long n);
// The same cuts as views into `s` (valid while `s` lives), for tests that need no string of
// their own: text::mid_view(line, 4, 1) == "◆" copies nothing.
std::string_view mid_view(std::string_view s, long start);
std::string_view mid_view(std::string_view s, long start, long count);
std::string_view left_view(std::string_view s, long n);
std::string_view right_view(std::string_view s, long n);
// The byte offset `n` characters before the byte offset `end` (a character boundary), counting
// as the functions above do; npos when fewer than `n` characters stand before it. Cuts near a
// marker found by its bytes go back from it without counting the whole text in front.
std::size_t chars_back(std::string_view s, std::size_t end, long n);

// Position of the first occurrence at or after `start`, 0 when absent. The empty needle gives
// `start` (0 when start lies beyond the end + 1).
long find(std::string_view s, std::string_view needle, long start = 1);
// Position of the last occurrence that ends at or before `end_pos` (default: the end), 0 when absent.
long rfind(std::string_view s, std::string_view needle, long end_pos = -1);
// Byte-exact tests (a UTF-8 text contains another exactly where its bytes do); inline, as the
// parsers ask them of every line.
// string_view::find of the bytes, quicker on Japanese text, whose lead bytes repeat.
std::size_t find_bytes(std::string_view s, std::string_view needle, std::size_t from = 0);
inline bool contains(std::string_view s, std::string_view needle) {
    return find_bytes(s, needle) != std::string_view::npos;
}
// Equality of the bytes only (no ordering), which the compiler turns into a few loads for a
// literal prefix.
inline bool starts_with(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && s.substr(0, prefix.size()) == prefix;
}
inline bool ends_with(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

// Trim removes the half-width blank U+0020 only, never tabs or U+3000.
std::string trim(std::string_view s);
std::string ltrim(std::string_view s);
std::string rtrim(std::string_view s);
// trim as a view into `s`, and trim in the text's own storage.
std::string_view trim_view(std::string_view s);
void trim_in_place(std::string& s);

std::string replace_all(std::string_view s, std::string_view from, std::string_view to);
// One more piece than separators; the empty text gives no pieces at all.
std::vector<std::string> split(std::string_view s, std::string_view sep);
std::string join(const std::vector<std::string>& pieces, std::string_view sep);

// Lower-cases ASCII and full-width Latin letters (the "htt" and ".exe" tests).
std::string lower(std::string_view s);

// The leading-number parse: blanks, tabs and line feeds are ignored wherever they stand; then
// sign, digits, "." and digits, exponent; "&H" hex and "&O" octal. No number reads 0.
double leading_number(std::string_view s);
// The leading-number parse gives a value greater than 0.
bool reads_positive(std::string_view s);

// Plain decimal text of a whole number ("12", "-3").
std::string decimal(long n);

}  // namespace velmora::text

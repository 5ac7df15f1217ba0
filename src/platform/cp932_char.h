#pragma once
// One character of code page 932 at a time, as each platform converts it (glibc's iconv or the
// Windows code page functions). cp932.cpp walks the text and adds the rules both share.

#include <optional>
#include <string>
#include <string_view>

namespace velmora::cp932::detail {

// The code point of one character: a single byte or a lead byte and its trail byte.
// nullopt when the table has no character for these bytes.
std::optional<char32_t> decode_char(std::string_view bytes);

// The bytes the platform writes for one code point, nullopt when it has none. The platform may
// answer with a look-alike; cp932.cpp keeps only characters that survive the round trip.
std::optional<std::string> encode_char(char32_t c);

}  // namespace velmora::cp932::detail

#pragma once
// Code page 932 (the Japanese Windows ANSI code page), as the Windows table has it: 0x8160 is
// ～ U+FF5E, 0x815F is ＼ U+FF3C, NEC and IBM extension characters included. A byte sequence that
// is no character decodes as U+FFFD; nothing is dropped silently.
//
//   auto bytes = cp932::encode("懸賞");   // bytes->size() == 4
//   cp932::decode(*bytes) == "懸賞";       cp932::encode("𠮷") == std::nullopt

#include <optional>
#include <string>
#include <string_view>

namespace velmora::cp932 {

// Decodes code page 932 bytes to UTF-8.
std::string decode(std::string_view bytes);

// Encodes UTF-8 text; nullopt when any character is not held by the code page (a character is
// held only when it comes back unchanged from a round trip: 〜 U+301C, 𠮷 and emoji are not).
std::optional<std::string> encode(std::string_view utf8);

// True when every character of the text is held by the code page.
bool holds(std::string_view utf8);

}  // namespace velmora::cp932

#pragma once
// Bytes as a line of text and back (the standard alphabet with "+" "/" and "=" padding), for
// the opaque bytes that a data file keeps on a line of its own.
//
//   text::decode_base64(text::encode_base64("\x01\xFF")) == std::string("\x01\xFF")

#include <optional>
#include <string>
#include <string_view>

namespace velmora::text {

std::string encode_base64(std::string_view bytes);
// nullopt for a text that is no base64 (a foreign character, a wrong length or padding).
std::optional<std::string> decode_base64(std::string_view text);

}  // namespace velmora::text

#pragma once
// How the data files' lines become bytes and back: code page 932 with CR LF, or UTF-8 with a
// byte-order mark when a line holds a character the code page cannot hold.

#include <string>
#include <string_view>
#include <vector>

#include "text/packed_lines.h"

namespace velmora::store::detail {

std::string encode_file(const text::PackedLines& lines);
std::vector<std::string> decode_file(std::string_view bytes);

}  // namespace velmora::store::detail

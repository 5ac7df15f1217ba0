#pragma once
// UTF-8 inside the program, UTF-16 at the Win32 API: the conversions, and character positions
// (code points) against UTF-16 positions for edit-control selections.

#include <string>
#include <string_view>

namespace velmora::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

// The UTF-16 position of a code-point position in `text`, and back (clamped to the text).
long utf16_position(std::wstring_view text, long characters);
long character_position(std::wstring_view text, long utf16_units);

}  // namespace velmora::win32

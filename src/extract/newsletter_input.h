#pragma once
// Turns the bytes of a saved newsletter into the text a parser reads as if from the clipboard:
// UTF-8 (with or without a byte-order mark) or code page 932, told apart by their bytes, with
// bare LF line ends made CR LF.
//
//   newsletter_text("\xEF\xBB\xBF懸賞\n") == "懸賞\r\n";  newsletter_text("\x8C\x9C\x8F\xDC") == "懸賞"

#include <string>
#include <string_view>

namespace velmora::extract {

// True when the bytes are well-formed UTF-8 throughout.
bool is_valid_utf8(std::string_view bytes);

// Every LF that does not already follow a CR becomes CR LF; existing CR LF stay as they are.
std::string crlf_line_ends(std::string_view text);

// The newsletter text of a file's bytes: a UTF-8 byte-order mark or valid UTF-8 is read as UTF-8
// (the mark dropped), anything else as code page 932; then the line ends are made CR LF.
std::string newsletter_text(std::string_view bytes);

}  // namespace velmora::extract

#pragma once
// One newsletter line as the general extractor reads it: the quote marks ("> ") and box sides
// (┃ │) around it removed, its indentation measured, and a folded copy in which full-width ASCII,
// the ideographic space and tabs are half-width, with the way back to the original bytes.
//
//   auto t = read_line_text("> ┃　■１．温泉旅行┃");  // t.folded == "■1.温泉旅行", t.indent == 2

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::extract::generic {

struct LineText {
    std::string_view content;           // the original bytes inside the quote and frame marks, blanks trimmed
    int indent = 0;                     // blanks before the content; an ideographic space or a tab counts 2
    bool quoted = false;                // a quote mark or a frame side stood in front
    std::string folded;                 // the content folded to half-width ASCII where it has a form there
    std::vector<std::uint32_t> origin;  // per folded byte, its offset in content; one more for the end
    std::string wide;  // per folded byte, 1 where it was written full-width and folded, else 0

    // The original text of the folded bytes [begin, end) (both on character boundaries).
    std::string_view original(std::size_t begin, std::size_t end) const;
};

LineText read_line_text(std::string_view line);

// Full-width ASCII (U+FF01 to U+FF5E) as ASCII, U+3000 and tabs as a blank; other characters stay.
char32_t fold_char(char32_t c);

// The character at byte `pos` of UTF-8 text and its byte length (0 at the end).
struct CharAt {
    char32_t c = 0;
    std::size_t size = 0;
};
CharAt char_at(std::string_view s, std::size_t pos);
// The character that ends at byte `pos` (0 at the start).
CharAt char_before(std::string_view s, std::size_t pos);

}  // namespace velmora::extract::generic

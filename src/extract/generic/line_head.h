#pragma once
// The head of a folded line: the marks in front of an item (■ ◆ １． ① 【…】 A賞 …) and a
// leading label (賞品： 締切： 応募はこちら), read left to right, and where the line's own text
// begins after them. A line wholly in brackets ("【温泉旅行ペア招待券】") keeps the inside.
//
//   read_head("■1.賞品：温泉旅行")  // marker Bullet, label Prize, body at "温泉旅行"

#include <cstddef>
#include <string_view>

#include "extract/generic/vocabulary.h"

namespace velmora::extract::generic {

enum class MarkerKind : unsigned char { None, Bullet, Number, Bracket, Rank, PrizeLabel, Banner, Note };

struct LineHead {
    MarkerKind marker = MarkerKind::None;
    int style = 0;  // which bullet, number style or bracket: items of one newsletter share it
    Label label = Label::None;
    std::size_t body = 0;      // folded bytes of the text after the marks and the label
    std::size_t body_end = 0;  //
    bool label_only = false;   // a label with nothing after it: its value is on the next line
    bool wrapped = false;      // the whole line stands in brackets ("【編集後記】")

    // Marker kind and style in one number, for comparing the heads of items; 0 for none.
    int signature() const {
        return marker == MarkerKind::None || marker == MarkerKind::Note
                   ? 0
                   : (static_cast<int>(marker) << 12) | style;
    }
};

// Reads the head of folded[begin, end).
LineHead read_head(std::string_view folded, std::size_t begin, std::size_t end);

// Blanks and separators after a label or a mark (： ＝ 】 → ▼ …): the first byte past them.
std::size_t skip_separators(std::string_view folded, std::size_t pos, std::size_t end);

}  // namespace velmora::extract::generic

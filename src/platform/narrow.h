#pragma once
// Full-width to half-width narrowing of Japanese text: full-width ASCII, the ideographic space,
// Japanese punctuation, katakana (voiced ones as base + ﾞ/ﾟ), quotes and full-width currency signs.
// Hiragana, kanji, 〜 and katakana without a half-width form stay as they are.
//
//   narrow("（１２）ガ") == "(12)ｶﾞ"

#include <string>
#include <string_view>

namespace velmora::locale {

std::string narrow(std::string_view text);
// narrow into `out` (emptied first; `text` must not lie in it), so that a caller narrowing line
// after line reuses one buffer.
void narrow_into(std::string_view text, std::string& out);

}  // namespace velmora::locale

#include "platform/narrow.h"

#include <string>
#include <unordered_map>

#include "text/text.h"

namespace velmora::locale {
namespace {

using Table = std::unordered_map<char32_t, std::u32string>;

// Katakana with a half-width form, in the same order as their half-width forms.
constexpr std::u32string_view kKatakana =
    U"ァアィイゥウェエォオカキクケコサシスセソタチッツテトナニヌネノハヒフヘホマミムメモャヤュユョヨラリルレ"
    U"ロワヲン";
constexpr std::u32string_view kHalfKatakana = U"ｧｱｨｲｩｳｪｴｫｵｶｷｸｹｺｻｼｽｾｿﾀﾁｯﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓｬﾔｭﾕｮﾖﾗﾘﾙﾚﾛﾜｦﾝ";
// Voiced katakana follow their base directly in the code chart (ガ = カ + 1); the ハ row also
// has the semi-voiced form two after the base (パ = ハ + 2).
constexpr std::u32string_view kVoicedBases = U"カキクケコサシスセソタチツテトハヒフヘホ";
constexpr std::u32string_view kSemiVoicedBases = U"ハヒフヘホ";
constexpr char32_t kVoicedMark = U'ﾞ';
constexpr char32_t kSemiVoicedMark = U'ﾟ';

void add_katakana(Table& t) {
    for (std::size_t i = 0; i < kKatakana.size(); ++i) {
        t[kKatakana[i]] = std::u32string(1, kHalfKatakana[i]);
    }
    for (char32_t base : kVoicedBases) {
        t[base + 1] = t[base] + kVoicedMark;
    }
    for (char32_t base : kSemiVoicedBases) {
        t[base + 2] = t[base] + kSemiVoicedMark;
    }
    t[U'ヴ'] = t[U'ウ'] + kVoicedMark;
    t[U'ヷ'] = t[U'ワ'] + kVoicedMark;
    t[U'ヺ'] = t[U'ヲ'] + kVoicedMark;
}

void add_signs(Table& t) {
    constexpr std::u32string_view kFrom = U"　、。「」・ー゛゜’”￠￡￢￣￤￥￦";
    constexpr std::u32string_view kTo = U" ､｡｢｣･ｰﾞﾟ'\"¢£¬¯¦¥₩";
    for (std::size_t i = 0; i < kFrom.size(); ++i) {
        t[kFrom[i]] = std::u32string(1, kTo[i]);
    }
}

const Table& table() {
    static const Table t = [] {
        Table made;
        add_katakana(made);
        add_signs(made);
        return made;
    }();
    return t;
}

}  // namespace

std::string narrow(std::string_view text_in) {
    // Some parsers narrow every line of a newsletter: the text is walked once, in place, and
    // ASCII (which narrowing never changes) is copied as it stands.
    std::string out;
    out.reserve(text_in.size());
    const Table& t = table();
    std::size_t pos = 0;
    while (pos < text_in.size()) {
        const auto byte = static_cast<unsigned char>(text_in[pos]);
        if (byte < 0x80) {
            out += static_cast<char>(byte);
            ++pos;
            continue;
        }
        const char32_t c = text::decode_next(text_in, pos);
        if (c >= 0xFF01 && c <= 0xFF5E) {
            out += static_cast<char>(c - 0xFEE0);
        } else if (auto it = t.find(c); it != t.end()) {
            for (char32_t half : it->second) {
                out += text::encode(half);
            }
        } else {
            out += text::encode(c);
        }
    }
    return out;
}

}  // namespace velmora::locale

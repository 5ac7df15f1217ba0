#include "platform/cp932.h"

#include "platform/cp932_char.h"
#include "text/text.h"

namespace velmora::cp932 {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool is_lead_byte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool is_trail_byte(unsigned char b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}
bool is_half_width_katakana(unsigned char b) {
    return b >= 0xA1 && b <= 0xDF;
}

// Characters the platform's encoder writes as a look-alike of another character: 〜 U+301C
// comes back as ～ U+FF5E, ‖ U+2016 as ∥ U+2225, − U+2212 as － U+FF0D, ¥ U+00A5 as "\",
// ‾ U+203E as "~", — U+2014 as ― U+2015, ¬ ¢ £ as ￢ ￠ ￡. None of them is held; the round trip
// below finds them all, so the encoder behaves as the Windows one with best fit turned off.
std::optional<std::string> encode_held(char32_t c) {
    if (c < 0x80) {
        return std::string(1, static_cast<char>(c));
    }
    if (c == kReplacement) {
        return std::nullopt;
    }
    auto bytes = detail::encode_char(c);
    if (!bytes || detail::decode_char(*bytes) != c) {
        return std::nullopt;
    }
    return bytes;
}

// Decodes the character at `pos` and moves past it. A lead byte without a valid trail byte
// is one bad byte; the byte after it is read again as a character of its own.
char32_t decode_at(std::string_view bytes, std::size_t& pos) {
    const auto b = static_cast<unsigned char>(bytes[pos]);
    if (b < 0x80) {
        ++pos;
        return b;
    }
    if (is_lead_byte(b)) {
        if (pos + 1 < bytes.size() && is_trail_byte(static_cast<unsigned char>(bytes[pos + 1]))) {
            auto c = detail::decode_char(bytes.substr(pos, 2));
            pos += 2;
            return c.value_or(kReplacement);
        }
        ++pos;
        return kReplacement;
    }
    ++pos;
    if (is_half_width_katakana(b)) {
        return detail::decode_char(bytes.substr(pos - 1, 1)).value_or(kReplacement);
    }
    return kReplacement;  // 0x80, 0xA0 and 0xFD to 0xFF are no characters
}

}  // namespace

std::string decode(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        out += text::encode(decode_at(bytes, pos));
    }
    return out;
}

std::optional<std::string> encode(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        auto bytes = encode_held(text::decode_next(utf8, pos));
        if (!bytes) {
            return std::nullopt;
        }
        out += *bytes;
    }
    return out;
}

bool holds(std::string_view utf8) {
    return encode(utf8).has_value();
}

}  // namespace velmora::cp932

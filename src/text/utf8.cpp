// UTF-8 decoding and encoding: a byte sequence that is no character is U+FFFD, one byte at a time.
#include "text/text.h"

#include <optional>

namespace velmora::text {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool is_continuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Copies a text character by character; where `replace` gives a text for a character (its code
// point, its byte count and first byte), that text stands in its place.
template <typename Replace>
std::string rewrite_characters(std::string_view s, Replace replace) {
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        const std::size_t start = pos;
        const char32_t c = decode_next(s, pos);
        if (auto text = replace(c, pos - start, static_cast<unsigned char>(s[start]))) {
            out += *text;
        } else {
            out.append(s.substr(start, pos - start));
        }
    }
    return out;
}

}  // namespace

char32_t decode_next(std::string_view s, std::size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    int extra = 0;
    char32_t c = 0;
    char32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1, c = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2, c = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3, c = b0 & 0x07, min = 0x10000;
    } else {
        ++pos;
        return kReplacement;
    }
    for (int i = 1; i <= extra; ++i) {
        if (pos + i >= s.size()) {
            ++pos;
            return kReplacement;
        }
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if (!is_continuation(b)) {
            ++pos;
            return kReplacement;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return kReplacement;
    }
    pos += extra + 1;
    return c;
}

std::string encode(char32_t c) {
    std::string out;
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        c = kReplacement;
    }
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

std::string sanitize(std::string_view s) {
    return rewrite_characters(
        s, [](char32_t c, std::size_t bytes, unsigned char first) -> std::optional<std::string> {
            if (c == kReplacement && bytes == 1 && first >= 0x80) {
                return encode(kReplacement);
            }
            return std::nullopt;
        });
}

std::u32string to_u32(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        out += decode_next(s, pos);
    }
    return out;
}

std::string from_u32(std::u32string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char32_t c : s) {
        out += encode(c);
    }
    return out;
}

std::string lower(std::string_view s) {
    return rewrite_characters(s, [](char32_t c, std::size_t, unsigned char) -> std::optional<std::string> {
        if (c >= 'A' && c <= 'Z') {
            return std::string(1, static_cast<char>(c + 0x20));
        }
        if (c >= 0xFF21 && c <= 0xFF3A) {
            return encode(c + 0x20);
        }
        return std::nullopt;
    });
}

}  // namespace velmora::text

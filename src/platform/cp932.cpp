#include "platform/cp932.h"

#include <array>
#include <atomic>
#include <cstdint>

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

// The platform converts one character per call, which is slow; data files hold the same few
// thousand characters over and over. Each answer is kept the first time it is asked for (the
// tables are shared by all threads: an entry is written whole, and two threads that race write
// the same value). 0 is "not asked yet".
constexpr std::uint32_t kNotAsked = 0;
constexpr std::uint32_t kNone = 0xFFFFFFFF;

// Decoded characters by their bytes: a single byte below 0x100, a lead and trail byte above.
std::optional<char32_t> decode_cached(std::string_view bytes) {
    static std::array<std::atomic<std::uint32_t>, 0x10000> table{};
    const auto b0 = static_cast<unsigned char>(bytes[0]);
    const std::size_t key =
        bytes.size() == 1 ? b0 : (std::size_t{b0} << 8) | static_cast<unsigned char>(bytes[1]);
    std::uint32_t entry = table[key].load(std::memory_order_relaxed);
    if (entry == kNotAsked) {
        const auto c = detail::decode_char(bytes);
        entry = c ? static_cast<std::uint32_t>(*c) + 1 : kNone;
        table[key].store(entry, std::memory_order_relaxed);
    }
    if (entry == kNone) {
        return std::nullopt;
    }
    return static_cast<char32_t>(entry - 1);
}

std::optional<std::string> encode_held_uncached(char32_t c);

// Encoded characters of the basic plane by code point: the byte count above the bytes.
std::optional<std::string> encode_held_cached(char32_t c) {
    static std::array<std::atomic<std::uint32_t>, 0x10000> table{};
    if (c >= 0x10000) {
        return encode_held_uncached(c);
    }
    std::uint32_t entry = table[c].load(std::memory_order_relaxed);
    if (entry == kNotAsked) {
        const auto bytes = encode_held_uncached(c);
        entry = kNone;
        if (bytes && !bytes->empty() && bytes->size() <= 2) {
            entry = static_cast<std::uint32_t>(bytes->size()) << 16;
            for (unsigned char b : *bytes) {
                entry = (entry & 0xFFFF0000) | ((entry & 0xFF) << 8) | b;
            }
        } else if (bytes) {
            return bytes;  // longer than any code page 932 character: not kept
        }
        table[c].store(entry, std::memory_order_relaxed);
    }
    if (entry == kNone) {
        return std::nullopt;
    }
    const std::uint32_t size = entry >> 16;
    std::string bytes;
    if (size == 2) {
        bytes += static_cast<char>((entry >> 8) & 0xFF);
    }
    bytes += static_cast<char>(entry & 0xFF);
    return bytes;
}

// Characters the platform's encoder writes as a look-alike of another character: 〜 U+301C
// comes back as ～ U+FF5E, ‖ U+2016 as ∥ U+2225, − U+2212 as － U+FF0D, ¥ U+00A5 as "\",
// ‾ U+203E as "~", — U+2014 as ― U+2015, ¬ ¢ £ as ￢ ￠ ￡. None of them is held; the round trip
// below finds them all, so the encoder behaves as the Windows one with best fit turned off.
std::optional<std::string> encode_held_uncached(char32_t c) {
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
            auto c = decode_cached(bytes.substr(pos, 2));
            pos += 2;
            return c.value_or(kReplacement);
        }
        ++pos;
        return kReplacement;
    }
    ++pos;
    if (is_half_width_katakana(b)) {
        return decode_cached(bytes.substr(pos - 1, 1)).value_or(kReplacement);
    }
    return kReplacement;  // 0x80, 0xA0 and 0xFD to 0xFF are no characters
}

}  // namespace

std::string decode(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        // A run of ASCII bytes is the same text in UTF-8.
        const std::size_t run_start = pos;
        while (pos < bytes.size() && static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
        }
        out.append(bytes.substr(run_start, pos - run_start));
        if (pos < bytes.size()) {
            out += text::encode(decode_at(bytes, pos));
        }
    }
    return out;
}

std::optional<std::string> encode(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        // A run of ASCII characters is the same bytes in the code page.
        const std::size_t run_start = pos;
        while (pos < utf8.size() && static_cast<unsigned char>(utf8[pos]) < 0x80) {
            ++pos;
        }
        out.append(utf8.substr(run_start, pos - run_start));
        if (pos == utf8.size()) {
            break;
        }
        auto bytes = encode_held_cached(text::decode_next(utf8, pos));
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

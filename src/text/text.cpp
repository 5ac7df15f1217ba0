#include "text/text.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace velmora::text {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool is_continuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Moves `pos` past one character, as decode_next does. Positions are counted on every cut, so
// the common cases (ASCII, a well-formed three-byte character) are stepped over here and only
// the rest goes through the full decoder.
inline void skip_char(std::string_view s, std::size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) {
        ++pos;
        return;
    }
    if ((b0 & 0xF0) == 0xE0 && pos + 2 < s.size()) {
        const auto b1 = static_cast<unsigned char>(s[pos + 1]);
        const auto b2 = static_cast<unsigned char>(s[pos + 2]);
        if (is_continuation(b1) && is_continuation(b2)) {
            const char32_t c = ((b0 & 0x0Fu) << 12) | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu);
            if (c >= 0x800 && (c < 0xD800 || c > 0xDFFF)) {
                pos += 3;
                return;
            }
        }
    }
    decode_next(s, pos);
}

// Byte offset after skipping `chars` characters from the start (clamped to the size).
std::size_t byte_offset(std::string_view s, long chars) {
    std::size_t pos = 0;
    for (long i = 0; i < chars && pos < s.size(); ++i) {
        skip_char(s, pos);
    }
    return pos;
}

long count_chars(std::string_view s) {
    long n = 0;
    std::size_t pos = 0;
    while (pos < s.size()) {
        skip_char(s, pos);
        ++n;
    }
    return n;
}

bool is_number_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

double parse_radix(std::string_view digits, int radix) {
    double value = 0;
    for (char c : digits) {
        int d = -1;
        if (c >= '0' && c <= '9') {
            d = c - '0';
        } else if (radix == 16 && c >= 'a' && c <= 'f') {
            d = c - 'a' + 10;
        } else if (radix == 16 && c >= 'A' && c <= 'F') {
            d = c - 'A' + 10;
        }
        if (d < 0 || d >= radix) {
            break;
        }
        value = value * radix + d;
    }
    return value;
}

// find_bytes for a needle that is not empty.
std::size_t find_separator(std::string_view s, std::string_view sep, std::size_t from) {
    const char* const base = s.data();
    const char* const end = base + s.size();
    const char* at = base + from;
    while (at < end) {
        at = static_cast<const char*>(std::memchr(at, sep.front(), static_cast<std::size_t>(end - at)));
        if (at == nullptr || static_cast<std::size_t>(end - at) < sep.size()) {
            return std::string_view::npos;
        }
        std::size_t i = 1;
        while (i < sep.size() && at[i] == sep[i]) {
            ++i;
        }
        if (i == sep.size()) {
            return static_cast<std::size_t>(at - base);
        }
        ++at;
    }
    return std::string_view::npos;
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
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        const std::size_t start = pos;
        const char32_t c = decode_next(s, pos);
        if (c == kReplacement && pos - start == 1 && static_cast<unsigned char>(s[start]) >= 0x80) {
            out += encode(kReplacement);
        } else {
            out.append(s.substr(start, pos - start));
        }
    }
    return out;
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

long length(std::string_view s) {
    return count_chars(s);
}

std::string_view mid_view(std::string_view s, long start) {
    if (start < 1) {
        start = 1;
    }
    return s.substr(byte_offset(s, start - 1));
}

std::string_view mid_view(std::string_view s, long start, long count) {
    if (start < 1) {
        start = 1;
    }
    if (count <= 0) {
        return {};
    }
    const std::string_view rest = s.substr(byte_offset(s, start - 1));
    return rest.substr(0, byte_offset(rest, count));
}

std::string_view left_view(std::string_view s, long n) {
    if (n <= 0) {
        return {};
    }
    return s.substr(0, byte_offset(s, n));
}

std::string_view right_view(std::string_view s, long n) {
    if (n <= 0) {
        return {};
    }
    const long len = count_chars(s);
    if (n >= len) {
        return s;
    }
    return s.substr(byte_offset(s, len - n));
}

std::string mid(std::string_view s, long start) {
    return std::string(mid_view(s, start));
}

std::string mid(std::string_view s, long start, long count) {
    return std::string(mid_view(s, start, count));
}

std::string left(std::string_view s, long n) {
    return std::string(left_view(s, n));
}

std::string right(std::string_view s, long n) {
    return std::string(right_view(s, n));
}

std::size_t find_bytes(std::string_view s, std::string_view needle, std::size_t from) {
    if (needle.empty()) {
        return from <= s.size() ? from : std::string_view::npos;
    }
    return find_separator(s, needle, from);
}

long find(std::string_view s, std::string_view needle, long start) {
    if (start < 1) {
        start = 1;
    }
    const std::size_t from = byte_offset(s, start - 1);
    if (needle.empty()) {
        // The empty text is found at the start, unless the start lies past the end + 1.
        return (start - 1 <= count_chars(s)) ? start : 0;
    }
    if (from >= s.size()) {
        return 0;
    }
    const std::size_t hit = find_separator(s, needle, from);
    if (hit == std::string_view::npos) {
        return 0;
    }
    return count_chars(s.substr(0, hit)) + 1;
}

long rfind(std::string_view s, std::string_view needle, long end_pos) {
    const long len = count_chars(s);
    if (end_pos < 0 || end_pos > len) {
        end_pos = len;
    }
    if (needle.empty()) {
        return end_pos;
    }
    const std::size_t limit = byte_offset(s, end_pos);
    const std::size_t hit = s.substr(0, limit).rfind(needle);
    if (hit == std::string_view::npos) {
        return 0;
    }
    return count_chars(s.substr(0, hit)) + 1;
}

std::string ltrim(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(s.substr(first));
}

std::string rtrim(std::string_view s) {
    const std::size_t last = s.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(s.substr(0, last + 1));
}

std::string_view trim_view(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

void trim_in_place(std::string& s) {
    const std::size_t last = s.find_last_not_of(' ');
    if (last == std::string::npos) {
        s.clear();
        return;
    }
    s.erase(last + 1);
    s.erase(0, s.find_first_not_of(' '));
}

std::string trim(std::string_view s) {
    return std::string(trim_view(s));
}

std::string replace_all(std::string_view s, std::string_view from, std::string_view to) {
    if (from.empty()) {
        return std::string(s);
    }
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (true) {
        const std::size_t hit = s.find(from, pos);
        if (hit == std::string_view::npos) {
            out.append(s.substr(pos));
            return out;
        }
        out.append(s.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
}

std::vector<std::string> split(std::string_view s, std::string_view sep) {
    std::vector<std::string> pieces;
    split_into(s, sep, pieces);
    return pieces;
}

void split_into(std::string_view s, std::string_view sep, std::vector<std::string>& pieces) {
    pieces.clear();
    if (s.empty()) {
        return;
    }
    if (sep.empty()) {
        pieces.emplace_back(s);
        return;
    }
    // Counting first spares the list's regrowth (a newsletter is split into 100,000s of lines).
    std::size_t count = 1;
    for (std::size_t hit = find_separator(s, sep, 0); hit != std::string_view::npos;
         hit = find_separator(s, sep, hit + sep.size())) {
        ++count;
    }
    pieces.reserve(count);
    std::size_t pos = 0;
    while (true) {
        const std::size_t hit = find_separator(s, sep, pos);
        if (hit == std::string_view::npos) {
            pieces.emplace_back(s.substr(pos));
            return;
        }
        pieces.emplace_back(s.substr(pos, hit - pos));
        pos = hit + sep.size();
    }
}

std::string join(const std::vector<std::string>& pieces, std::string_view sep) {
    std::string out;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) {
            out.append(sep);
        }
        out.append(pieces[i]);
    }
    return out;
}

std::string lower(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        const std::size_t start = pos;
        const char32_t c = decode_next(s, pos);
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c + 0x20);
        } else if (c >= 0xFF21 && c <= 0xFF3A) {
            out += encode(c + 0x20);
        } else {
            out.append(s.substr(start, pos - start));
        }
    }
    return out;
}

double leading_number(std::string_view s) {
    std::string compact;
    compact.reserve(s.size());
    for (char c : s) {
        if (!is_number_blank(c)) {
            compact += c;
        }
    }
    if (compact.size() >= 2 && compact[0] == '&') {
        const char kind = compact[1];
        if (kind == 'H' || kind == 'h') {
            return parse_radix(std::string_view(compact).substr(2), 16);
        }
        if (kind == 'O' || kind == 'o') {
            return parse_radix(std::string_view(compact).substr(2), 8);
        }
        return parse_radix(std::string_view(compact).substr(1), 8);
    }
    // Take the longest prefix of the form [sign] digits [. digits] [exponent].
    std::size_t i = 0;
    std::string number;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) {
        number += compact[i++];
    }
    bool digits = false;
    while (i < compact.size() && compact[i] >= '0' && compact[i] <= '9') {
        number += compact[i++];
        digits = true;
    }
    if (i < compact.size() && compact[i] == '.') {
        std::string fraction = ".";
        std::size_t j = i + 1;
        while (j < compact.size() && compact[j] >= '0' && compact[j] <= '9') {
            fraction += compact[j++];
        }
        if (fraction.size() > 1 || digits) {
            number += fraction;
            digits = digits || fraction.size() > 1;
            i = j;
        }
    }
    if (!digits) {
        return 0;
    }
    if (i < compact.size() &&
        (compact[i] == 'e' || compact[i] == 'E' || compact[i] == 'd' || compact[i] == 'D')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < compact.size() && (compact[j] == '+' || compact[j] == '-')) {
            exponent += compact[j++];
        }
        bool exp_digits = false;
        while (j < compact.size() && compact[j] >= '0' && compact[j] <= '9') {
            exponent += compact[j++];
            exp_digits = true;
        }
        if (exp_digits) {
            number += exponent;
        }
    }
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

bool reads_positive(std::string_view s) {
    return leading_number(s) > 0;
}

std::string decimal(long n) {
    return std::to_string(n);
}

}  // namespace velmora::text

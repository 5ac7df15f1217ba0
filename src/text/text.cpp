#include "text/text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "text/step_count.h"

namespace velmora::text {
namespace {

bool is_continuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// The length of a well-formed ASCII or three-byte character at `pos` (nearly every character of
// a newsletter); 0 for anything else, which decode_next steps over. Positions are counted on
// every cut, so this is the hot path of the character functions.
inline std::size_t quick_char_length(std::string_view s, std::size_t pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) {
        return 1;
    }
    if ((b0 & 0xF0) != 0xE0 || s.size() - pos < 3) {
        return 0;
    }
    const auto b1 = static_cast<unsigned char>(s[pos + 1]);
    const auto b2 = static_cast<unsigned char>(s[pos + 2]);
    if (!is_continuation(b1) || !is_continuation(b2)) {
        return 0;
    }
    const bool overlong = b0 == 0xE0 && b1 < 0xA0;
    const bool surrogate = b0 == 0xED && b1 >= 0xA0;
    return overlong || surrogate ? 0 : 3;
}

// Moves `pos` past one character, as decode_next does.
inline void skip_char(std::string_view s, std::size_t& pos) {
    const std::size_t n = quick_char_length(s, pos);
    if (n > 0) {
        pos += n;
    } else {
        decode_next(s, pos);
    }
}

// Where the character that ends at `end` (> 0) starts. A byte that is not a continuation byte
// always starts a character, so the last one within four bytes is where the character starts if
// its sequence runs exactly to `end`; otherwise the last byte stands alone, as a malformed byte does.
std::size_t previous_char_start(std::string_view s, std::size_t end) {
    constexpr std::size_t kLongest = 4;
    std::size_t start = end - 1;
    while (start > 0 && end - start < kLongest && is_continuation(static_cast<unsigned char>(s[start]))) {
        --start;
    }
    if (is_continuation(static_cast<unsigned char>(s[start]))) {
        return end - 1;
    }
    std::size_t pos = start;
    skip_char(s.substr(0, end), pos);
    return pos == end ? start : end - 1;
}

}  // namespace

std::size_t chars_back(std::string_view s, std::size_t end, long n) {
    end = std::min(end, s.size());
    for (long i = 0; i < n; ++i) {
        if (end == 0) {
            return std::string_view::npos;
        }
        end = previous_char_start(s, end);
    }
    return end;
}

namespace {

// Byte offset after skipping `chars` characters from the start (clamped to the size).
std::size_t byte_offset(std::string_view s, long chars) {
    std::size_t pos = 0;
    long i = 0;
    while (i < chars && pos < s.size()) {
        skip_char(s, pos);
        ++i;
    }
    count_steps(static_cast<std::uint64_t>(i));
    return pos;
}

long count_chars(std::string_view s) {
    long n = 0;
    std::size_t pos = 0;
    while (pos < s.size()) {
        skip_char(s, pos);
        ++n;
    }
    count_steps(static_cast<std::uint64_t>(n));
    return n;
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
    const std::size_t from = chars_back(s, s.size(), n);
    return from == std::string_view::npos ? s : s.substr(from);
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
    if (end_pos < 0 && !needle.empty()) {  // to the end: no need to count the characters first
        const std::size_t hit = s.rfind(needle);
        return hit == std::string_view::npos ? 0 : count_chars(s.substr(0, hit)) + 1;
    }
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
    if (s.empty()) {
        return pieces;
    }
    if (sep.empty()) {
        pieces.emplace_back(s);
        return pieces;
    }
    std::size_t pos = 0;
    while (true) {
        const std::size_t hit = find_separator(s, sep, pos);
        if (hit == std::string_view::npos) {
            pieces.emplace_back(s.substr(pos));
            return pieces;
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

}  // namespace velmora::text

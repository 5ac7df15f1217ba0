#include "extract/generic/line_marks.h"

#include "extract/generic/line_text.h"

namespace velmora::extract::generic {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool is_kanji_digit(char32_t c) {
    return std::u32string_view(U"一二三四五六七八九十").find(c) != std::u32string_view::npos;
}

// "一、" "十二." : numbers in kanji before a comma or stop.
int kanji_number_mark(std::string_view s, std::size_t& pos, std::size_t end) {
    std::size_t p = pos;
    int digits = 0;
    while (p < end && digits < 3) {
        const CharAt c = char_at(s, p);
        if (!is_kanji_digit(c.c)) {
            break;
        }
        p += c.size;
        ++digits;
    }
    const CharAt mark = char_at(s, p);
    if (digits == 0 || p >= end || (mark.c != U'、' && mark.c != U'.')) {
        return 0;
    }
    pos = p + mark.size;
    return 7;
}

}  // namespace

// ①–⑳ ㉑–㊿ ❶–❿ ➀–➓ ⑴–⒛
bool is_circled_number(char32_t c) {
    return (c >= 0x2460 && c <= 0x249B) || (c >= 0x3251 && c <= 0x325F) || (c >= 0x32B1 && c <= 0x32BF) ||
           (c >= 0x2776 && c <= 0x2793);
}

char32_t closer_of(char32_t open) {
    switch (open) {
        case U'【':
            return U'】';
        case U'[':
            return U']';
        case U'《':
            return U'》';
        case U'〔':
            return U'〕';
        case U'≪':
            return U'≫';
        case U'〈':
            return U'〉';
        case U'<':
            return U'>';
        case U'『':
            return U'』';
        case U'(':
            return U')';
        default:
            return 0;
    }
}

bool all_digits(std::string_view s) {
    if (s.empty()) {
        return false;
    }
    for (const char c : s) {
        if (!is_digit(c)) {
            return false;
        }
    }
    return true;
}

// The closing bracket of the one opening at `pos`, within a short reach; npos when none.
std::size_t find_closer(std::string_view s, std::size_t pos, std::size_t end, char32_t closer) {
    constexpr std::size_t kReach = 90;  // about thirty characters
    for (std::size_t p = pos; p < end && p < pos + kReach;) {
        const CharAt c = char_at(s, p);
        if (c.c == closer) {
            return p;
        }
        p += c.size;
    }
    return std::string_view::npos;
}

// "1." "２）" "3、" at pos (after a bullet also "01 "): the style, or 0; `pos` moves past the mark.
int number_mark(std::string_view s, std::size_t& pos, std::size_t end, bool after_bullet) {
    if (const int style = kanji_number_mark(s, pos, end); style != 0) {
        return style;
    }
    std::size_t p = pos;
    while (p < end && is_digit(s[p]) && p - pos < 3) {
        ++p;
    }
    if (p == pos || p >= end || is_digit(s[p])) {
        return 0;
    }
    const CharAt mark = char_at(s, p);
    const CharAt next = char_at(s, p + mark.size);
    const bool ends_mark = next.size == 0 || !(next.c >= U'0' && next.c <= U'9');
    int style = 0;
    if (mark.c == U'.' && ends_mark) {
        style = 2;
    } else if (mark.c == U')' && ends_mark) {
        style = 3;
    } else if (mark.c == U'、') {
        style = 4;
    } else if (mark.c == U'・' || mark.c == U'>' || mark.c == U'≫') {
        style = 5;  // "01・・・", "1>>"
    } else if (mark.c == U' ' && after_bullet) {
        style = 6;  // "■01 ＰＳ５"
    }
    if (style != 0) {
        pos = p + mark.size;
        while (style == 5 && pos < end && char_at(s, pos).c == mark.c) {
            pos += mark.size;
        }
    }
    return style;
}

// "No.1", "NO 2", "#3": the style, or 0.
int numbered_word(std::string_view s, std::size_t& pos, std::size_t end) {
    std::size_t p = pos;
    const std::string_view rest = s.substr(p, end - p);
    if (rest.starts_with("No") || rest.starts_with("NO") || rest.starts_with("no")) {
        p += 2;
        if (p < end && s[p] == '.') {
            ++p;
        }
    } else if (rest.starts_with("#")) {
        p += 1;
    } else {
        return 0;
    }
    while (p < end && s[p] == ' ') {
        ++p;
    }
    const std::size_t digits = p;
    while (p < end && is_digit(s[p])) {
        ++p;
    }
    if (p == digits) {
        return 0;
    }
    pos = p;
    return 11;
}

// A rank of several prizes: "A賞", "1等", "2等賞".
std::size_t rank_word(std::string_view s, std::size_t pos, std::size_t end) {
    std::size_t p = pos;
    if (p < end && ((s[p] >= 'A' && s[p] <= 'Z') || (s[p] >= 'a' && s[p] <= 'z'))) {
        ++p;
    } else {
        while (p < end && is_digit(s[p])) {
            ++p;
        }
        if (p == pos || p - pos > 2) {
            return 0;
        }
        if (s.substr(p).starts_with("等賞")) {
            return p + 6 - pos;
        }
        return s.substr(p).starts_with("等") ? p + 3 - pos : 0;
    }
    return s.substr(p).starts_with("賞") ? p + 3 - pos : 0;
}

}  // namespace velmora::extract::generic

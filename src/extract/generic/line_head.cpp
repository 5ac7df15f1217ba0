#include "extract/generic/line_head.h"

#include "extract/generic/line_text.h"

namespace velmora::extract::generic {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool is_separator(char32_t c) {
    constexpr std::u32string_view kSeparators = U" :=]>】」』)|→⇒▶▷↓▼▽〉》〕≫…、,";
    return kSeparators.find(c) != std::u32string_view::npos;
}

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

// A short bracketed word that ends with a label other than a prize's ("Web応募", "主催者ページ").
bool ends_with_label(std::string_view inner) {
    constexpr std::size_t kShort = 30;  // about ten characters
    if (inner.size() > kShort) {
        return false;
    }
    for (std::size_t p = 0; p < inner.size();) {
        const LabelMatch m = match_label(inner, p);
        if (m.size > 0 && p + m.size == inner.size() && m.label != Label::Prize && m.label != Label::None) {
            return true;
        }
        p += char_at(inner, p).size;
    }
    return false;
}

// The label of a bracket's inside: its leading word, or the label word it ends with (then the
// whole inside counts as the label).
LabelMatch bracketed_label(std::string_view s, std::size_t open, std::size_t end, LabelMatch leading) {
    const std::size_t close = find_closer(s, open, end, closer_of(char_before(s, open).c));
    if (close == std::string_view::npos || !ends_with_label(s.substr(open, close - open))) {
        return leading;
    }
    for (std::size_t p = open; p < close;) {
        const LabelMatch m = match_label(s, p);
        if (m.size > 0 && p + m.size == close) {
            return {m.label, close - open};
        }
        p += char_at(s, p).size;
    }
    return leading;
}

bool label_needs_separator(Label label) {
    return label == Label::Prize || label == Label::Info;
}

// Whether the label word at [pos, after) stands as a label: followed by a separator, the end,
// or for date and link words by what such a label introduces ("締切12/20", "詳細は").
bool stands_as_label(std::string_view s, Label label, std::size_t after, std::size_t end) {
    if (label == Label::None) {
        return false;
    }
    if (after >= end || label == Label::Noise || label == Label::Rank) {
        return true;
    }
    const CharAt next = char_at(s, after);
    if (is_separator(next.c) || next.c == U'：' || next.c == U'/') {
        return true;
    }
    if (label_needs_separator(label)) {
        return false;
    }
    constexpr std::u32string_view kIntroduced = U"0123456789は本令R今~〜↓↑ペな未随先当";
    return kIntroduced.find(next.c) != std::u32string_view::npos ||
           ((label == Label::Entry || label == Label::Link || label == Label::Detail) && s.substr(after).starts_with("http"));
}

}  // namespace

std::size_t skip_separators(std::string_view folded, std::size_t pos, std::size_t end) {
    while (pos < end) {
        const CharAt c = char_at(folded, pos);
        if (!is_separator(c.c) && c.c != U'：') {
            break;
        }
        pos += c.size;
    }
    return pos;
}

LineHead read_head(std::string_view s, std::size_t begin, std::size_t end) {
    LineHead head;
    head.body_end = end;
    std::size_t p = begin;
    while (p < end && s[p] == ' ') {
        ++p;
    }
    auto mark = [&head](MarkerKind kind, int style) {
        if (head.marker == MarkerKind::None || head.marker == MarkerKind::Note) {
            head.marker = kind;
            head.style = style;
        }
    };
    bool bracket_heading = false;  // p stands at a bracket that is no label
    for (int round = 0; round < 4 && p < end; ++round) {
        const CharAt c = char_at(s, p);
        const std::size_t before = p;
        if (is_circled_number(c.c)) {
            mark(MarkerKind::Number, 1);
            p += c.size;
        } else if (const int style = number_mark(s, p, end, head.marker == MarkerKind::Bullet); style != 0) {
            mark(MarkerKind::Number, style);
        } else if (const int word_style = numbered_word(s, p, end); word_style != 0) {
            mark(MarkerKind::Number, word_style);
        } else if (const char32_t closer = closer_of(c.c); closer != 0) {
            const std::size_t close = find_closer(s, p + c.size, end, closer);
            if (close == std::string_view::npos) {
                break;
            }
            std::string_view inner = s.substr(p + c.size, close - p - c.size);
            while (!inner.empty() && inner.front() == ' ') {  // 【　賞品　】
                inner.remove_prefix(1);
            }
            while (!inner.empty() && inner.back() == ' ') {
                inner.remove_suffix(1);
            }
            const LabelMatch label = match_label(inner, 0);
            const bool whole = label.size > 0 && skip_separators(inner, label.size, inner.size()) == inner.size();
            const bool is_label =
                (label.label != Label::None && (whole || label.label == Label::Noise)) || ends_with_label(inner);
            if (all_digits(inner)) {
                mark(MarkerKind::Number, 20 + static_cast<int>(c.c % 64));
            } else if (is_label) {
                break;  // a label in brackets: read below as the label it is
            } else if (c.c == U'(') {
                break;  // a bracket of the text itself, such as "(1名様)"
            } else {
                mark(MarkerKind::Bracket, static_cast<int>(c.c % 4096));
                if (skip_separators(s, close + char_at(s, close).size, end) >= end) {
                    head.body = p + c.size;  // the whole line in brackets: its inside is the text
                    head.body_end = close;
                    head.wrapped = true;
                    p = head.body;
                }
                bracket_heading = true;
                break;  // a heading in brackets before more text is part of that text
            }
            p = close + char_at(s, close).size;
        } else if (const std::size_t rank = rank_word(s, p, end); rank != 0) {
            mark(MarkerKind::Rank, 0);
            p += rank;
        } else if (const int bullet = bullet_index(c.c); bullet >= 0) {
            const bool ascii = c.c == U'-' || c.c == U'*' || c.c == U'+';
            if (ascii && (p + 1 >= end || s[p + 1] != ' ')) {
                break;
            }
            mark(c.c == U'※' ? MarkerKind::Note : MarkerKind::Bullet, 100 + bullet);
            while (p < end && char_at(s, p).c == c.c) {
                p += c.size;
            }
        }
        if (p == before) {
            break;
        }
        p = skip_separators(s, p, end);
    }
    const CharAt first = char_at(s, p);
    const bool opens = p < end && closer_of(first.c) != 0 && first.c != U'(' && !bracket_heading;
    std::size_t open = opens ? p + first.size : p;
    while (opens && open < head.body_end && s[open] == ' ') {
        ++open;
    }
    LabelMatch label = match_label(s.substr(0, head.body_end), open);
    if (open != p) {
        label = bracketed_label(s, open, head.body_end, label);
    }
    if (stands_as_label(s, label.label, open + label.size, head.body_end)) {
        head.label = label.label;
        if (label.label == Label::Prize || label.label == Label::Rank) {
            mark(label.label == Label::Prize ? MarkerKind::PrizeLabel : MarkerKind::Rank, 0);
        }
        p = skip_separators(s, open + label.size, head.body_end);
    }
    head.body = p;
    head.label_only = p >= head.body_end;
    return head;
}

}  // namespace velmora::extract::generic

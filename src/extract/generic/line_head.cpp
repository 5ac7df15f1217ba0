#include "extract/generic/line_head.h"

#include "extract/generic/line_marks.h"
#include "extract/generic/line_text.h"

namespace velmora::extract::generic {
namespace {

bool is_separator(char32_t c) {
    // U+FE0F asks for the picture form of the mark before it ("✔️").
    constexpr std::u32string_view kSeparators = U" :=]>】」』)|→⇒▶▷↓▼▽〉》〕≫…、,\uFE0F";
    return kSeparators.find(c) != std::u32string_view::npos;
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
    if (after >= end || label == Label::Noise || label == Label::Rank || (after > 0 && s[after - 1] == ':')) {
        return true;  // at the end, a label that needs nothing after it, or a word ending in its colon
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
           ((label == Label::Entry || label == Label::Link || label == Label::Detail) &&
            s.substr(after).starts_with("http"));
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
            const bool whole =
                label.size > 0 && skip_separators(inner, label.size, inner.size()) == inner.size();
            const bool is_label = (label.label != Label::None && (whole || label.label == Label::Noise)) ||
                                  ends_with_label(inner);
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

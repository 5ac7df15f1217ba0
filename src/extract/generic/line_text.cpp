#include "extract/generic/line_text.h"

#include "extract/generic/work_meter.h"
#include "text/text.h"

namespace velmora::extract::generic {
namespace {

bool is_blank(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\u3000';
}

int blank_width(char32_t c) {
    return c == U' ' ? 1 : 2;
}

// Marks that stand in front of quoted or boxed text rather than belonging to it.
bool is_quote_or_side(char32_t c) {
    switch (c) {
        case U'>':
        case U'＞':
        case U'|':
        case U'｜':
        case U'┃':
        case U'│':
        case U'║':
        case U'┆':
        case U'┇':
            return true;
        default:
            return false;
    }
}

bool is_side(char32_t c) {
    return c != U'>' && c != U'＞' && is_quote_or_side(c);
}

}  // namespace

char32_t fold_char(char32_t c) {
    if (c >= 0xFF01 && c <= 0xFF5E) {
        return c - 0xFEE0;
    }
    if (c == U'\u3000' || c == U'\t') {
        return U' ';
    }
    return c;
}

CharAt char_at(std::string_view s, std::size_t pos) {
    count_work(1);
    if (pos >= s.size()) {
        return {};
    }
    std::size_t next = pos;
    const char32_t c = text::decode_next(s, next);
    return {c, next - pos};
}

CharAt char_before(std::string_view s, std::size_t pos) {
    if (pos == 0 || pos > s.size()) {
        return {};
    }
    std::size_t start = pos - 1;
    // Back over at most three continuation bytes to the lead byte.
    while (start > 0 && pos - start < 4 && (static_cast<unsigned char>(s[start]) & 0xC0) == 0x80) {
        --start;
    }
    const CharAt at = char_at(s, start);
    if (start + at.size != pos) {
        return {0xFFFD, 1};  // a malformed tail: one byte, as the decoder steps over it
    }
    return at;
}

std::string_view LineText::original(std::size_t begin, std::size_t end) const {
    if (begin >= end || end >= origin.size()) {
        return {};
    }
    return content.substr(origin[begin], origin[end] - origin[begin]);
}

LineText read_line_text(std::string_view line) {
    LineText t;
    std::size_t pos = 0;
    // Leading blanks and quote or frame marks, in any mix ("> > ", "┃　"); the indent counts the
    // blanks after the last mark.
    while (pos < line.size()) {
        const CharAt at = char_at(line, pos);
        if (is_blank(at.c)) {
            t.indent += blank_width(at.c);
        } else if (is_quote_or_side(at.c)) {
            t.quoted = true;
            t.indent = 0;
        } else if (at.c != U'\r' && at.c != U'\n') {
            break;
        }
        pos += at.size;
    }
    std::size_t end = line.size();
    while (end > pos) {
        const CharAt at = char_before(line, end);
        if (!is_blank(at.c) && !is_side(at.c) && at.c != U'\r' && at.c != U'\n') {
            break;
        }
        end -= at.size;
    }
    t.content = line.substr(pos, end - pos);
    t.folded.reserve(t.content.size());
    t.origin.reserve(t.content.size() + 1);
    t.wide.reserve(t.content.size());
    for (std::size_t p = 0; p < t.content.size();) {
        const CharAt at = char_at(t.content, p);
        const char32_t folded = fold_char(at.c);
        if (folded == at.c && at.c != 0xFFFD) {
            t.folded.append(t.content.substr(p, at.size));
            for (std::size_t i = 0; i < at.size; ++i) {
                t.origin.push_back(static_cast<std::uint32_t>(p + i));
                t.wide.push_back(0);
            }
        } else {
            const std::string bytes = text::encode(folded);
            t.folded += bytes;
            for (std::size_t i = 0; i < bytes.size(); ++i) {
                t.origin.push_back(static_cast<std::uint32_t>(p));
                t.wide.push_back(at.c >= 0xFF01 && at.c <= 0xFF5E ? 1 : 0);
            }
        }
        p += at.size;
    }
    t.origin.push_back(static_cast<std::uint32_t>(t.content.size()));
    return t;
}

}  // namespace velmora::extract::generic

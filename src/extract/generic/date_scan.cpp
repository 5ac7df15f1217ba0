#include "extract/generic/date_scan.h"

#include "extract/generic/date_forms.h"
#include "extract/generic/line_text.h"
#include "extract/generic/vocabulary.h"

namespace velmora::extract::generic {
namespace {

bool is_ascii_alnum(char32_t c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Past what stands between a date and its closing word: blanks, brackets, the weekday, a time of
// day ("23:59", "24時", "正午") and 当日.
std::size_t skip_trailers(std::string_view s, std::size_t pos) {
    constexpr std::u32string_view kSkipped = U" ()[]【】〔〕<>日月火水木金土祝休・,、:";
    while (pos < s.size()) {
        if (is_digit(s[pos])) {
            std::size_t p = pos;
            while (p < s.size() && is_digit(s[p])) {
                ++p;
            }
            if (p - pos <= 2 && p + 2 < s.size() && s[p] == ':' && is_digit(s[p + 1]) && is_digit(s[p + 2])) {
                pos = p + 3;
            } else if (p - pos <= 2 && s.substr(p).starts_with("時")) {
                pos = p + 3;
            } else if (p - pos <= 2 && s.substr(p).starts_with("分")) {
                pos = p + 3;
            } else {
                return pos;
            }
            continue;
        }
        if (s.substr(pos).starts_with("正午") || s.substr(pos).starts_with("当日")) {
            pos += 6;
            continue;
        }
        const CharAt c = char_at(s, pos);
        if (kSkipped.find(c.c) == std::u32string_view::npos) {
            return pos;
        }
        pos += c.size;
    }
    return pos;
}

// The last word before a date that says what it is, from `from` to `to`; and whether a range
// mark stands right before it ("～12/20", the end of a period that started earlier).
struct Prefix {
    DateWord word = DateWord::None;
    bool open_range = false;
};

Prefix read_prefix(std::string_view s, std::size_t from, std::size_t to) {
    Prefix prefix;
    bool range_last = false;
    for (std::size_t p = from; p < to;) {
        const DateWordMatch m = match_date_word(s, p);
        if (m.size > 0 && p + m.size <= to) {
            if (m.word == DateWord::Range) {
                range_last = true;
            } else {
                prefix.word = m.word;
                range_last = false;
            }
            p += m.size;
            continue;
        }
        const CharAt c = char_at(s, p);
        if (c.c != U' ' && c.c != U':' && c.c != U'：') {
            range_last = false;
        }
        p += c.size;
    }
    prefix.open_range = range_last;
    return prefix;
}

Role role_of(DateWord word) {
    switch (word) {
        case DateWord::Deadline:
            return Role::Deadline;
        case DateWord::Period:
            return Role::Period;
        case DateWord::Event:
            return Role::Event;
        default:
            return Role::None;
    }
}

// A date's closing word after its trailers: the word and where it ends.
// A word followed by a separator or a number labels what comes next ("12/20 発表：1/10"), so it
// does not close the date before it.
DateWordMatch closing_word(std::string_view s, std::size_t& end) {
    const std::size_t p = skip_trailers(s, end);
    const DateWordMatch m = match_date_word(s, p);
    if (m.size == 0) {
        return {};
    }
    std::size_t after = p + m.size;
    while (after < s.size() && s[after] == ' ') {
        ++after;
    }
    const CharAt next = char_at(s, after);
    const bool labels_next = next.c == U':' || next.c == U'】' || next.c == U']' || next.c == U'=' ||
                             (next.c >= U'0' && next.c <= U'9');
    const std::string_view text = s.substr(p, m.size);
    const bool only_closes =
        text == "まで" || text == "迄" || text == "必着" || text == "消印" || text == "号";
    if (labels_next && m.word != DateWord::Range && !only_closes) {
        return {};
    }
    end = p + m.size;
    return m;
}

}  // namespace

std::vector<DateHit> find_dates(std::string_view folded, const std::vector<UrlHit>& urls, Role carried) {
    std::vector<DateHit> hits;
    std::size_t next_url = 0;
    std::size_t prefix_from = 0;
    for (std::size_t pos = 0; pos < folded.size();) {
        while (next_url < urls.size() && urls[next_url].end <= pos) {
            ++next_url;
        }
        if (next_url < urls.size() && urls[next_url].begin <= pos) {
            pos = urls[next_url].end;
            prefix_from = pos;
            continue;
        }
        const CharAt before = char_before(folded, pos);
        const CharAt here = char_at(folded, pos);
        // Not inside a number ("1/12/20"); a "/" or "." after a word separates a label ("締切/6.15").
        const bool joined = before.c == U'/' || before.c == U'.';
        const bool boundary = !is_ascii_alnum(before.c) &&
                              (!joined || !is_ascii_alnum(char_before(folded, pos - before.size).c));
        std::optional<DateForm> form = boundary ? recognize_date(folded, pos) : std::nullopt;
        if (!form) {
            pos += here.size;
            continue;
        }
        DateHit hit{pos, form->end, form->value, Role::None};
        bool needs_word = form->needs_word;
        bool ranged = false;
        DateWordMatch word = closing_word(folded, hit.end);
        if (word.word == DateWord::Range) {
            std::size_t p = hit.end;
            while (p < folded.size() && folded[p] == ' ') {
                ++p;
            }
            if (auto last = recognize_period_end(folded, p, hit.value)) {
                hit.value = last->value;
                hit.end = last->end;
                needs_word = needs_word || last->needs_word;
                ranged = true;
                word = closing_word(folded, hit.end);
            } else {
                word = {DateWord::Event, word.size};  // "12/1から", "12/1～": where something starts
            }
        }
        const Prefix prefix = read_prefix(folded, prefix_from, pos);
        if (word.word == DateWord::Deadline || word.word == DateWord::Event) {
            hit.role = role_of(word.word);
        } else if (ranged) {
            hit.role = prefix.word == DateWord::Deadline || prefix.word == DateWord::Event
                           ? role_of(prefix.word)
                           : Role::Period;
        } else if (prefix.open_range) {
            hit.role = Role::Deadline;
        } else if (prefix.word != DateWord::None) {
            hit.role = role_of(prefix.word);
        } else {
            hit.role = carried;
        }
        if (!needs_word || hit.role == Role::Deadline || (hit.role == Role::Period && ranged)) {
            hits.push_back(hit);
        }
        pos = hit.end > pos ? hit.end : pos + here.size;
        prefix_from = pos;
    }
    return hits;
}

}  // namespace velmora::extract::generic

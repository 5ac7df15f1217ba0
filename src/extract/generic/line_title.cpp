#include "extract/generic/line_title.h"

#include <algorithm>

#include "extract/generic/vocabulary.h"

namespace velmora::extract::generic {
namespace {

// What a prize text does not end with: blanks, separators and brackets left open.
bool is_loose_end(char32_t c) {
    constexpr std::u32string_view kLoose = U" :=|/→⇒▼▽↓(【[<《「『-~〜・、,。!";
    return kLoose.find(c) != std::u32string_view::npos;
}

int word_chars(std::string_view s, std::size_t begin, std::size_t end) {
    int count = 0;
    for (std::size_t p = begin; p < end;) {
        const CharAt c = char_at(s, p);
        count += is_word_char(c.c) ? 1 : 0;
        p += c.size;
    }
    return count;
}

// What a prize text does not begin with: blanks, separators, stops and brackets left closed.
std::size_t trim_loose_start(std::string_view s, std::size_t begin, std::size_t end) {
    constexpr std::u32string_view kLoose = U" :=|/→⇒▼▽↓-~〜・、,。!)]】」』>》";
    while (begin < end) {
        const CharAt c = char_at(s, begin);
        if (kLoose.find(c.c) == std::u32string_view::npos) {
            break;
        }
        begin += c.size;
    }
    return begin;
}

std::size_t trim_loose_end(std::string_view s, std::size_t begin, std::size_t end) {
    while (end > begin) {
        const CharAt c = char_before(s, end);
        if (!is_loose_end(c.c)) {
            break;
        }
        end -= c.size;
    }
    return end;
}

// Cuts a deadline word left hanging at the end ("図書カード 締切：") with what follows it.
std::size_t cut_hanging_word(std::string_view s, std::size_t begin, std::size_t end) {
    for (int round = 0; round < 2; ++round) {
        end = trim_loose_end(s, begin, end);
        std::size_t cut = end;
        for (std::size_t p = begin; p < end;) {
            const DateWordMatch m = match_date_word(s, p);
            if (m.size > 0 && p + m.size == end &&
                (m.word == DateWord::Deadline || m.word == DateWord::Period)) {
                cut = p;
                break;
            }
            p += m.size > 0 ? m.size : char_at(s, p).size;
        }
        if (cut == end) {
            break;
        }
        end = cut;
    }
    return trim_loose_end(s, begin, end);
}

}  // namespace

void find_title(LineInfo& line) {
    const std::string_view s = line.text.folded;
    const std::size_t begin = line.head.body;
    std::size_t end = line.head.body_end;
    for (const LineUrl& url : line.urls) {
        if (url.begin >= begin && url.begin < end) {
            end = url.begin;
            break;
        }
    }
    // The pieces between the dates: the first that says something names the prize (the prize
    // comes before its deadline, "図書カード 12/20〆 (当日消印有効)"), else the one with most words.
    std::size_t best_begin = begin;
    std::size_t best_end = begin;
    int best_words = -1;
    bool settled = false;
    std::size_t cursor = begin;
    auto consider = [&](std::size_t from, std::size_t to) {
        if (to <= from || settled) {
            return;
        }
        const int words = word_chars(s, from, to);
        if (words > best_words) {
            best_words = words;
            best_begin = from;
            best_end = to;
        }
        settled = words >= 2;
    };
    for (const DateHit& date : line.dates) {
        if (date.end <= cursor || date.begin >= end) {
            continue;
        }
        consider(cursor, std::max(cursor, date.begin));
        cursor = date.end;
    }
    consider(cursor, end);
    std::size_t title_begin = trim_loose_start(s, best_begin, best_end);
    const std::size_t title_end = cut_hanging_word(s, title_begin, best_end);
    title_begin = std::min(title_begin, title_end);
    line.title_begin = title_begin;
    line.title_end = title_end;
    line.title_chars = word_chars(s, title_begin, title_end);
}

bool LineInfo::title_like() const {
    if (kind != LineKind::Text && kind != LineKind::Banner) {
        return false;
    }
    const bool label_ok =
        head.label == Label::None || head.label == Label::Prize || head.label == Label::Rank;
    return label_ok && title_chars >= 2;
}

}  // namespace velmora::extract::generic

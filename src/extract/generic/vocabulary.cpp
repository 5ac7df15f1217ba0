#include "extract/generic/vocabulary.h"

#include <array>
#include <cctype>
#include <vector>

#include "extract/generic/vocabulary_rows.h"
#include "extract/generic/work_meter.h"

namespace velmora::extract::generic {
namespace {

template <typename Kind>
struct Word {
    std::string_view text;
    Kind kind;
};

// A table's words by their first byte, so that a position is compared with the few words that
// can begin there.
template <typename Kind>
class Table {
public:
    explicit Table(const std::vector<Row<Kind>>& rows) {
        for (const Row<Kind>& row : rows) {
            std::size_t start = 0;
            while (start < row.words.size()) {
                std::size_t end = row.words.find(' ', start);
                end = end == std::string_view::npos ? row.words.size() : end;
                if (end > start) {
                    const Word<Kind> word{row.words.substr(start, end - start), row.kind};
                    m_buckets[static_cast<unsigned char>(word.text[0])].push_back(word);
                    m_all.push_back(word);
                }
                start = end + 1;
            }
        }
    }
    const std::vector<Word<Kind>>& starting_with(char c) const {
        return m_buckets[static_cast<unsigned char>(c)];
    }
    const std::vector<Word<Kind>>& all() const { return m_all; }

private:
    std::array<std::vector<Word<Kind>>, 256> m_buckets;
    std::vector<Word<Kind>> m_all;
};

const Table<Label>& labels() {
    static const Table<Label> table(label_rows());
    return table;
}

const Table<DateWord>& date_words() {
    static const Table<DateWord> table(date_word_rows());
    return table;
}

const Table<Cue>& cues() {
    static const Table<Cue> table(cue_rows());
    return table;
}

// The longest word of the table at `pos`.
template <typename Kind>
std::pair<Kind, std::size_t> longest(const Table<Kind>& table, std::string_view s, std::size_t pos) {
    std::pair<Kind, std::size_t> best{Kind{}, 0};
    count_work(1);
    if (pos >= s.size()) {
        return best;
    }
    const std::string_view rest = s.substr(pos);
    for (const auto& word : table.starting_with(rest[0])) {
        if (word.text.size() > best.second && rest.starts_with(word.text)) {
            best = {word.kind, word.text.size()};
        }
    }
    return best;
}

bool is_ascii_letter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

constexpr std::u32string_view kBullets = U"■□◆◇★☆●○◎▼▽▲△▶▷►▸・♪♫◉◈▣♦♢❖✓✔✿❀♡♥❤→⇒☞▪▫□◯〇※＊*+-";
constexpr std::u32string_view kBannerChars = U"━─═＝=-－―—~〜_＿*＊#＃■□◆◇★☆●○◎▼▽▲△♦♢◈☆彡";

std::size_t utf8_size(char lead) {
    const auto b = static_cast<unsigned char>(lead);
    return b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
}

// A label spaced out for alignment ("締　切", "賞 品"): blanks between its characters are skipped.
// Only tried when a blank follows the first character, so ordinary text costs nothing.
LabelMatch match_spaced_label(std::string_view s, std::size_t pos) {
    if (pos >= s.size()) {
        return {};
    }
    const std::size_t first = utf8_size(s[pos]);
    if (pos + first >= s.size() || s[pos + first] != ' ') {
        return {};
    }
    LabelMatch best;
    for (const auto& word : labels().all()) {
        std::size_t w = 0;
        std::size_t p = pos;
        while (w < word.text.size() && p < s.size()) {
            if (s[p] == ' ' && w > 0 && w % utf8_size(word.text[0]) == 0) {
                ++p;
                continue;
            }
            if (s[p] != word.text[w]) {
                break;
            }
            ++p, ++w;
        }
        if (w == word.text.size() && p - pos > best.size) {
            best = {word.kind, p - pos};
        }
    }
    return best;
}

}  // namespace

LabelMatch match_label(std::string_view folded, std::size_t pos) {
    const auto [label, size] = longest(labels(), folded, pos);
    if (size > 0) {
        return {label, size};
    }
    return match_spaced_label(folded, pos);
}

DateWordMatch match_date_word(std::string_view folded, std::size_t pos) {
    const auto [word, size] = longest(date_words(), folded, pos);
    return {word, size};
}

CueMatch match_cue(std::string_view folded, std::size_t pos) {
    const auto [cue, size] = longest(cues(), folded, pos);
    if (size == 2 && folded.substr(pos, 2) == "PR") {
        // "PR" is a cue as a word of its own: 【PR】, [PR], "PR:" but not "PRESENT".
        const bool letter_before = pos > 0 && is_ascii_letter(folded[pos - 1]);
        const bool letter_after = pos + 2 < folded.size() && is_ascii_letter(folded[pos + 2]);
        if (letter_before || letter_after) {
            return {};
        }
    }
    return {cue, size};
}

std::size_t match_counter(std::string_view folded, std::size_t pos) {
    count_work(1);
    std::size_t best = 0;
    const std::string_view rest = pos < folded.size() ? folded.substr(pos) : std::string_view();
    for (const std::string_view word : counter_words()) {
        if (word.size() > best && rest.starts_with(word)) {
            best = word.size();
        }
    }
    // "4人分" counts servings, not winners.
    return rest.starts_with("人分") ? 0 : best;
}

int bullet_index(char32_t c) {
    const std::size_t at = kBullets.find(c);
    if (at != std::u32string_view::npos) {
        return static_cast<int>(at);
    }
    // Pictographs and dingbats as bullets (🎁 ✨ 👉 ✅), each a mark of its own.
    const bool pictograph = (c >= 0x1F300 && c <= 0x1FAFF) || (c >= 0x2600 && c <= 0x27BF);
    return pictograph ? 1000 + static_cast<int>(c % 2048) : -1;
}

bool is_rule_char(char32_t c) {
    if (c >= 0x2500 && c <= 0x257F) {  // box drawing
        return true;
    }
    return is_banner_char(c) || c == U'ー' || c == U'・' || c == U'.' || c == U'…' || c == U'‥' ||
           c == U'※' || c == U'♪' || c == U'+' || c == U'＋' || c == U'‐' || c == U'–' || c == U'・';
}

bool is_banner_char(char32_t c) {
    if (c >= 0x2500 && c <= 0x257F) {
        return true;
    }
    return kBannerChars.find(c) != std::u32string_view::npos;
}

}  // namespace velmora::extract::generic

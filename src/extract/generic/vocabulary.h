#pragma once
// The words the general extractor reads newsletters by, kept as tables so that a new newsletter
// usually needs a row, not code: line labels (賞品：, 締切：, 応募はこちら), the words around dates
// (締切, まで, 発表), and the cues that tell a prize from noise (名様, 【PR】, 配信停止).
// All words are written folded (full-width ASCII as ASCII) and matched on folded text.
//
//   match_label("締切：12/20", 0) == LabelMatch{Label::Deadline, 6}

#include <cstddef>
#include <string_view>

namespace velmora::extract::generic {

// What a line's leading label says its value is.
enum class Label : unsigned char {
    None,
    Prize,     // 賞品： プレゼント：  the value is the prize
    Rank,      // A賞 Wチャンス 1等    a prize of several in one contest
    Deadline,  // 締切： 応募期限：
    Period,    // 応募期間：
    Entry,     // 応募はこちら 応募ページ  the entry page follows
    Link,      // URL： こちら リンク     a page follows
    Detail,    // 詳細はこちら 公式サイト
    Info,      // 提供： 当選数： 応募方法：
    Event,     // 発表： 発送：        dates that are not the deadline
    Noise,     // 配信停止 バックナンバー 【PR】
};

// A word a date is read by: written before the date (締切：12/20) or after it (12/20まで).
enum class DateWord : unsigned char { None, Deadline, Period, Event, Range };

// What a cue word in running text says about its block.
enum class Cue : unsigned char {
    None,
    Prize,    // プレゼント 当たる 円分
    Sponsor,  // 【PR】 広告 スポンサー: the whole block is an advertisement
    Admin,    // 配信停止 バックナンバー 当選報告: the newsletter's own business
    Weak,     // ホームページ ブログ: leans to noise
};

struct LabelMatch {
    Label label = Label::None;
    std::size_t size = 0;  // bytes of the word; 0 when none matched
};
struct DateWordMatch {
    DateWord word = DateWord::None;
    std::size_t size = 0;
};
struct CueMatch {
    Cue cue = Cue::None;
    std::size_t size = 0;
};

// The longest label word starting at byte `pos` of folded text.
LabelMatch match_label(std::string_view folded, std::size_t pos);
// The longest date word starting at `pos`.
DateWordMatch match_date_word(std::string_view folded, std::size_t pos);
// The longest cue word starting at `pos` ("PR" only as a word of its own).
CueMatch match_cue(std::string_view folded, std::size_t pos);
// A counter after a number that makes it a number of prizes or winners (名, 組, 本, 円分): its
// bytes, 0 when none.
std::size_t match_counter(std::string_view folded, std::size_t pos);

// Marks in front of an item: ■ ◆ ★ ● ☆ ▼ ◇ and their kin, pictographs too. A number per mark
// below 3072 (for telling items of one kind apart), or -1.
int bullet_index(char32_t c);
// Characters rules are drawn with (━ ＝ - ─ ◆◇ ★☆ …).
bool is_rule_char(char32_t c);
// Rule characters that also make the runs around a banner ("━━ 今週の懸賞 ━━").
bool is_banner_char(char32_t c);

}  // namespace velmora::extract::generic

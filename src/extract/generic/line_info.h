#pragma once
// The first pass of the general extractor: every line classified on its own (blank, rule,
// banner such as "━━ 今週の懸賞 ━━", or text) with its head, addresses and what labels them,
// dates and their roles, the cues for prize and noise, and where its prize text would be.
//
//   auto lines = classify_lines({"◇図書カード(10名) 12/20〆 https://a.example.jp/"});
//   lines[0].title() == "図書カード(10名)"; lines[0].dates[0].role == Role::Deadline

#include <string>
#include <string_view>
#include <vector>

#include "extract/generic/date_scan.h"
#include "extract/generic/line_head.h"
#include "extract/generic/line_text.h"

namespace velmora::extract::generic {

enum class LineKind : unsigned char { Blank, Rule, Banner, Text };

// What the words in front of an address say it is.
enum class UrlKind : unsigned char { Plain, Entry, Detail, Noise };

struct LineUrl {
    std::string url;
    UrlKind kind = UrlKind::Plain;
    std::size_t begin = 0;  // folded bytes
};

struct LineInfo {
    LineKind kind = LineKind::Blank;
    LineText text;
    LineHead head;
    std::vector<LineUrl> urls;
    std::vector<DateHit> dates;
    std::size_t title_begin = 0;  // folded bytes of the prize text the line would give
    std::size_t title_end = 0;
    int title_chars = 0;     // letters, digits, kana and kanji in it
    int prize_cues = 0;      // プレゼント, 名様, 円分 …
    bool count_cue = false;  // a number of prizes or winners ("3名", "10組")
    bool sponsor = false;    // 【PR】 広告 スポンサー
    bool admin = false;      // 配信停止 バックナンバー 編集後記 …
    int weak = 0;            // ホームページ ブログ …

    bool separates() const { return kind != LineKind::Text; }
    // A line that could name a prize: text that is no label line, no bare address, no bare date.
    bool title_like() const;
    std::string_view title() const { return text.original(title_begin, title_end); }
};

std::vector<LineInfo> classify_lines(const std::vector<std::string_view>& lines);

// Letters, digits, kana and kanji: the characters that make a text say something.
bool is_word_char(char32_t c);

}  // namespace velmora::extract::generic

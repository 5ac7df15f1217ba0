// What each line tells on its own: what its addresses are (entry, detail, noise, by the words in
// front of them or on the line above), its cues of prize and noise, its prize text, and how a
// table's header gives its rows their meaning.
#include "extract/generic/line_info.h"

#include <gtest/gtest.h>

#include "extract/generic/contest_finder.h"
#include "extract/generic/table_rows.h"

namespace velmora::extract::generic {
namespace {

std::vector<LineInfo> classify(const char* text) {
    return classify_lines(split_lines(text));
}

TEST(LineInfo, TellsWhatEachAddressIs) {
    const std::vector<std::pair<const char*, UrlKind>> cases = {
        {"応募はこちら→https://a.jp/", UrlKind::Entry},
        {"【Web応募】https://a.jp/", UrlKind::Entry},
        {"▼応募ページ\nhttps://a.jp/", UrlKind::Entry},
        {"詳細はこちら https://a.jp/", UrlKind::Detail},
        {"▼キャンペーン詳細\nhttps://a.jp/", UrlKind::Detail},
        {"URL：https://a.jp/", UrlKind::Plain},
        {"温泉旅行ペア招待券（1組）\nhttps://a.jp/", UrlKind::Plain},  // a title above is no label
        {"配信停止はこちら https://a.jp/", UrlKind::Noise},
        {"▽バックナンバー\nhttps://a.jp/", UrlKind::Noise},
        {"https://a.jp/ （配信解除）", UrlKind::Noise},
        {"お友達紹介URL https://a.jp/", UrlKind::Noise},
    };
    for (const auto& [text, kind] : cases) {
        SCOPED_TRACE(text);
        const std::vector<LineInfo> lines = classify(text);
        ASSERT_EQ(lines.back().urls.size(), 1u);
        EXPECT_EQ(lines.back().urls[0].kind, kind);
    }
}

struct CueCase {
    const char* line;
    bool count;
    bool sponsor;
    bool admin;
    bool prize_words;
};

TEST(LineInfo, ReadsCuesOfPrizeAndNoise) {
    const std::vector<CueCase> cases = {
        {"黒毛和牛 5名様", true, false, false, true},
        {"図書カード1,000円分（100名）", true, false, false, true},
        {"材料（4人分）", false, false, false, false},  // servings, not winners
        {"63円→85円に値上がり", false, false, false, false},
        {"【PR】新発売", false, true, false, false},
        {"APRIL PRESENT", false, false, false, false},  // "PR" only as a word of its own
        {"提供：ぎんが情報局スポンサー各社", false, false, false, false},
        {"スポンサー：おひさま製菓", false, false, false, false},
        {"配信停止はこちら", false, false, true, false},
        {"読者アンケートのお願い", false, false, true, false},
    };
    for (const CueCase& c : cases) {
        SCOPED_TRACE(c.line);
        const LineInfo line = classify(c.line)[0];
        EXPECT_EQ(line.count_cue, c.count);
        EXPECT_EQ(line.sponsor, c.sponsor);
        EXPECT_EQ(line.admin, c.admin);
        EXPECT_EQ(line.prize_cues > 0, c.prize_words);
    }
}

TEST(LineInfo, FindsThePrizeTextBetweenDatesAndAddresses) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"◇図書カード3000円分(10名) 12/20〆 https://a.jp/", "図書カード3000円分(10名)"},
        {"★現金1万円 5/31締切(当日消印有効)", "現金1万円"},
        {"【〆12/06】北海道 花咲ガニ（2杯）　3名様", "北海道 花咲ガニ（2杯）　3名様"},
        {"12/15(火)まで　カニ缶詰め合わせ　30名様", "カニ缶詰め合わせ　30名様"},
        {"本日締切！ご当地ラーメン（20名様）", "ご当地ラーメン（20名様）"},
        {"【賞品】ハーゲンダッツ券 10名様 (締切日5/25)", "ハーゲンダッツ券 10名様"},
        {"｜ゲーム機｜12/20｜https://a.jp/｜", "ゲーム機"},
        {"> >> 1. ＰＳ５本体　応募はこちら→https://a.jp/", "ＰＳ５本体　応募はこちら"},
    };
    for (const auto& [text, title] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(classify(text)[0].title(), title);
    }
}

TEST(LineInfo, TableHeaderGivesItsRowsTheirMeaning) {
    std::vector<LineInfo> lines = classify(
        "No. | 賞品 | 人数 | 締切\n01 | 高級ボールペン | 20名 | 12/20\n   | https://a.jp/\n\n"
        "02 | 餅つき機 | 2名 | 12/25\n");
    read_tables(lines);
    EXPECT_EQ(lines[1].title(), "高級ボールペン");
    EXPECT_EQ(lines[1].head.label, Label::Prize);
    ASSERT_EQ(lines[1].dates.size(), 1u);
    EXPECT_EQ(lines[1].dates[0].role, Role::Deadline);
    // A blank line ends the table: the row after it keeps its own reading.
    ASSERT_EQ(lines[4].dates.size(), 1u);
    EXPECT_EQ(lines[4].dates[0].role, Role::None);
    EXPECT_NE(lines[4].head.label, Label::Prize);
}

TEST(LineInfo, NoiseSectionsRunFromAHeadingToTheNextRule) {
    const std::vector<LineInfo> lines = classify(
        "━━ バックナンバー ━━\n・12/1号 https://m.jp/1\n\n・11/24号 https://m.jp/2\n━━━━━━\n"
        "■広告\n-----\n新春初売り https://ad.jp/\n-----\n■和牛 5名様 https://w.jp/\n");
    const NoiseMap noise = map_noise(lines);
    const std::vector<bool> expected = {true, true, true, true, false, true, true, true, false, false};
    EXPECT_EQ(noise.sections, expected);
    EXPECT_EQ(noise.own_hosts, std::vector<std::string>{"m.jp"});
    EXPECT_EQ(host_of("HTTPS://Mag.Example.JP:8080/x?y"), "mag.example.jp:8080");
}

}  // namespace
}  // namespace velmora::extract::generic

// Reading the head of a line: quote marks and box sides, item marks of every style, labels
// (also in brackets and spaced out), and the text left after them.
#include "extract/generic/line_head.h"

#include <gtest/gtest.h>

#include "extract/generic/line_info.h"

namespace velmora::extract::generic {
namespace {

struct Case {
    const char* line;
    MarkerKind marker;
    Label label;
    const char* title;  // the prize text the line gives; "" for a line that names no prize
};

TEST(LineHead, ReadsMarksLabelsAndTheTextAfterThem) {
    const std::vector<Case> cases = {
        {"1. 温泉旅行", MarkerKind::Number, Label::None, "温泉旅行"},
        {"２．温泉旅行", MarkerKind::Number, Label::None, "温泉旅行"},
        {"①温泉旅行", MarkerKind::Number, Label::None, "温泉旅行"},
        {"(3) 温泉旅行", MarkerKind::Number, Label::None, "温泉旅行"},
        {"【3】温泉旅行", MarkerKind::Number, Label::None, "温泉旅行"},
        {"No.12 温泉旅行", MarkerKind::Number, Label::None, "温泉旅行"},
        {"01・・・温泉旅行", MarkerKind::Number, Label::None, "温泉旅行"},
        {"三、温泉旅行", MarkerKind::Number, Label::None, "温泉旅行"},
        {"■01 温泉旅行", MarkerKind::Bullet, Label::None, "温泉旅行"},
        {"◆◆ 温泉旅行", MarkerKind::Bullet, Label::None, "温泉旅行"},
        {"★温泉旅行", MarkerKind::Bullet, Label::None, "温泉旅行"},
        {"▼温泉旅行", MarkerKind::Bullet, Label::None, "温泉旅行"},
        {"- 温泉旅行", MarkerKind::Bullet, Label::None, "温泉旅行"},
        {"【温泉旅行ペア招待券】", MarkerKind::Bracket, Label::None, "温泉旅行ペア招待券"},
        {"【新着】温泉旅行", MarkerKind::Bracket, Label::None, "【新着】温泉旅行"},
        {"賞品：温泉旅行", MarkerKind::PrizeLabel, Label::Prize, "温泉旅行"},
        {"【賞品】温泉旅行", MarkerKind::PrizeLabel, Label::Prize, "温泉旅行"},
        {"【　賞品　】　温泉旅行", MarkerKind::PrizeLabel, Label::Prize, "温泉旅行"},
        {"プレゼント：温泉旅行", MarkerKind::PrizeLabel, Label::Prize, "温泉旅行"},
        {"A賞 温泉旅行", MarkerKind::Rank, Label::None, "温泉旅行"},
        {"Ｗチャンス：タオル", MarkerKind::Rank, Label::Rank, "タオル"},
        {"> ■温泉旅行", MarkerKind::Bullet, Label::None, "温泉旅行"},
        {"┃　温泉旅行　┃", MarkerKind::None, Label::None, "温泉旅行"},
        {"締切：12/20", MarkerKind::None, Label::Deadline, ""},
        {"【締　切】：12/20", MarkerKind::None, Label::Deadline, ""},
        {"■締切12/20", MarkerKind::Bullet, Label::Deadline, ""},
        {"▼応募はこちら", MarkerKind::Bullet, Label::Entry, ""},
        {"【Web応募】https://a.example.jp/", MarkerKind::None, Label::Entry, ""},
        {"詳細はこちら", MarkerKind::None, Label::Detail, ""},
        {"【PR】", MarkerKind::None, Label::Noise, ""},
        // Words that begin like a label but are no label.
        {"プレゼントのお知らせ", MarkerKind::None, Label::None, "プレゼントのお知らせ"},
        {"期間限定の温泉旅行", MarkerKind::None, Label::None, "期間限定の温泉旅行"},
        {"1.5kgの和牛", MarkerKind::None, Label::None, "1.5kgの和牛"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const std::vector<LineInfo> lines = classify_lines({c.line});
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].head.marker, c.marker);
        EXPECT_EQ(lines[0].head.label, c.label);
        if (*c.title == '\0') {
            EXPECT_FALSE(lines[0].title_like());
        } else {
            EXPECT_TRUE(lines[0].title_like());
            EXPECT_EQ(lines[0].title(), c.title);
        }
    }
}

TEST(LineHead, TellsRulesAndBannersFromText) {
    const std::vector<std::pair<const char*, LineKind>> cases = {
        {"━━━━━━━━━━", LineKind::Rule},
        {"＝＝＝＝＝＝", LineKind::Rule},
        {"-----", LineKind::Rule},
        {"┏━━━━━━┓", LineKind::Rule},
        {"◆◇◆◇◆◇", LineKind::Rule},
        {"> ", LineKind::Blank},
        {"━━ 今週の懸賞 ━━", LineKind::Banner},
        {"◆◇◆ PR ◆◇◆", LineKind::Banner},
        {"今週の懸賞 =====", LineKind::Banner},
        {"★★★温泉旅行", LineKind::Text},
        {"https://a.example.jp/----", LineKind::Text},
    };
    for (const auto& [line, kind] : cases) {
        SCOPED_TRACE(line);
        EXPECT_EQ(classify_lines({line})[0].kind, kind);
    }
}

}  // namespace
}  // namespace velmora::extract::generic

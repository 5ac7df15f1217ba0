// Header tests of formats 119 to 121, the cuts that have no valid position in formats 119 to 124,
// and the side effects (ellipses removed, rules blanked) checked on the state the parsers leave.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/header_tests_116_125.h"
#include "formats/parsers.h"
#include "ledger/shared_procedures.h"
#include "platform/memory_platform.h"
#include "text/text.h"

namespace velmora::formats {
namespace {

struct Parse {
    platform::MemoryPlatform platform;
    ui::Form3 form;
    extract::Primitives x{form, platform};

    explicit Parse(const std::vector<std::string>& lines) {
        platform.set_now({2001, 5, 10, 9, 0, 0});
        form.Today = ledger::today_text(platform.now());
        platform.set_clipboard_text(text::join(lines, "\r\n") + "\r\n");
    }
};

TEST(Formats116To125, Q119WantsAPositiveNumberInThreeCharactersThenTheMark) {
    const struct {
        const char* line;
        int want;
    } cases[] = {
        {"001◆旅行券", 1},
        {"120◆", 1},
        {"1 2◆blank inside", 1},
        {"000◆お知らせ", 0},
        {"-01◆", 0},
        {"12◆x", 0},
        {"００１◆全角", 0},
        {"001◇", 0},
        {"001 ◆", 0},
        {"", 0},
        {"◆", 0},
        {"abc◆", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Q119(c.line), c.want) << c.line;
    }
}

TEST(Formats116To125, Q120WantsAStarFirstAndAHalfWidthParenthesisAfterTheMark) {
    const struct {
        const char* line;
        int want;
    } cases[] = {
        {"★現金 5/31締切(必着)", 1},
        {"★締切(", 1},
        {"★現金 5/31締切（必着）", 0},
        {" ★現金 5/31締切(x)", 0},
        {"☆現金 5/31締切(x)", 0},
        {"★締切 (x)", 0},
        {"", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Q120(c.line), c.want) << c.line;
    }
}

TEST(Formats116To125, Q121ReadsTheLineAndTheTwoBelowIt) {
    Parse r({"│■懸賞01 A", "│■締切日時：5/31 x", "│■応募先：http://a.jp/", "│■more", "x■", "│■one below",
             "plain", "│■"});
    r.x.GetLi();
    EXPECT_EQ(Q121(r.x, 0), 1);
    EXPECT_EQ(Q121(r.x, 1), 1);  // any line with "■" as its 2nd character over two "│■" lines
    EXPECT_EQ(Q121(r.x, 2), 0);  // the second line below does not begin with "│■"
    EXPECT_EQ(Q121(r.x, 4), 0);  // only the first line below begins with "│■"
    EXPECT_EQ(Q121(r.x, 7), 0);  // the lines below lie past the end of the text
    EXPECT_EQ(Q121(r.x, -1), 0);
    EXPECT_EQ(r.form.Lines[0], "│■懸賞01 A");  // nothing is changed
}

// One item each; the deadline row shows what a cut without a valid position gives.
TEST(Formats116To125, CutsWithoutAValidPositionGiveNoDate) {
    const struct {
        int code;
        std::vector<std::string> lines;
        const char* deadline;
    } cases[] = {
        {119, {"001◆A", "http://a.jp/", "締切/2001.05.31/"}, "2001/05/31"},
        {119, {"001◆A", "http://a.jp/", "締切/2001.05.31"}, "2001/05/10"},
        {119, {"001◆A", "http://a.jp/", "締切 2001.05.31"}, "2001/05/10"},
        {120, {"★ 5/31締切(x)", "http://a.jp/"}, "2001/05/31"},
        {120, {"★5/31締切(x)", "http://a.jp/"}, "2001/05/10"},  // "★5/31" is no date
        {120, {"★締切(x) 5/31", "http://a.jp/"}, "2001/05/10"},
        {121, {"│■懸賞01 A", "│■締切日時：5/31 x", "│■応募先：http://a.jp/"}, "2001/05/31"},
        {121, {"│■懸賞01 A", "│■締切日時：5/31", "│■応募先：http://a.jp/"}, "2001/05/10"},
        {123, {"▼A", "http://a.jp/", "締切/5.31 必着"}, "2001/05/31"},
        {123, {"▼A", "http://a.jp/", "締切/5.31"}, "2001/05/10"},
        {124, {"[賞品名]：　A", "", "[応募アドレス]:http://a.jp/", "[締切] 5.31"}, "2001/05/31"},
        {124, {"[賞品名]：　A", "", "[応募アドレス]:http://a.jp/", "[締切]5.31"}, "2001/05/10"},
    };
    for (const auto& c : cases) {
        Parse r(c.lines);
        parser_for(c.code)(r.x);
        ASSERT_EQ(r.form.List3.count(), 3) << c.code << " " << c.lines.back();
        EXPECT_EQ(r.form.List3.row(1), c.deadline) << c.code << " " << c.lines.back();
    }
}

// A header on the last lines: the lines it reads below the end of the text read as empty.
TEST(Formats116To125, HeaderOnTheLastLinesReadsMissingLinesAsEmpty) {
    const struct {
        int code;
        std::vector<std::string> lines;
        std::vector<std::string> list3;
    } cases[] = {
        {117, {"■A", "http://a.jp/"}, {"01 A"}},
        {117, {"前置き", "■A"}, {}},
        {118, {"★賞品 A"}, {"01 A、"}},
        {119, {"001◆A", "http://a.jp/"}, {"01 A", "2001/05/10", "http://a.jp/"}},
        {120, {"★A 5/31締切(x)"}, {"01 ★A 5/31締切(x)", "2001/05/31", ""}},
        {121, {"│■懸賞01 A", "│■締切日時：5/31 x"}, {}},
        {123, {"▼A", "http://a.jp/"}, {"01 ▼A", "2001/05/10", "http://a.jp/"}},
        {124, {"[賞品名]：　A"}, {"01 A", "2001/05/10", ""}},
        {125,
         {"*****", "T", "応募締切日：2001/05/31", "http://a.jp/"},
         {"01 T", "2001/05/31", "http://a.jp/"}},
        {125, {"前置き", "*****", "T", "応募締切日：2001/05/31"}, {}},
    };
    for (const auto& c : cases) {
        Parse r(c.lines);
        parser_for(c.code)(r.x);
        EXPECT_EQ(r.form.List3.rows(), c.list3) << c.code << " " << c.lines.back();
    }
}

TEST(Formats116To125, Format116RemovesEveryEllipsisBeforeSplitting) {
    Parse r({"…> ◆ 賞品…A", "|締:01/05/31|…", "http://a.jp/…"});
    P116(r.x);
    EXPECT_EQ(r.form.Lines, (std::vector<std::string>{"> ◆ 賞品A", "|締:01/05/31|", "http://a.jp/", ""}));
    EXPECT_EQ(r.form.List3.rows(), (std::vector<std::string>{"01 賞品A", "2001/05/31", "http://a.jp/"}));
}

TEST(Formats116To125, Format121BlanksOnlyLinesEndingInARule) {
    Parse r({"┌────┐", "x─────", "━━━━━", "────┐ ", "─────│", "━━━━"});
    P121(r.x);
    EXPECT_EQ(r.form.Lines, (std::vector<std::string>{"", "", "", "────┐ ", "─────│", "━━━━", ""}));
}

TEST(Formats116To125, Format121KeepsTheCategoryOfTheLastCategoryLine) {
    Parse r({"===◆家電◆===", "===◆食品◆", "│■懸賞01 A", "│■締切日時：5/31 x", "│■応募先：http://a.jp/"});
    P121(r.x);
    EXPECT_EQ(r.form.List1.rows(), (std::vector<std::string>{"01 ◆食品◆A"}));
}

}  // namespace
}  // namespace velmora::formats

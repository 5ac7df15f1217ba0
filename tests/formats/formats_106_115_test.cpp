// Header tests of formats 106 to 115, the lines they rewrite, and the state a run leaves.
#include <gtest/gtest.h>

#include "formats/header_tests_106_115.h"
#include "formats/parsers.h"
#include "platform/memory_platform.h"

namespace velmora::formats {
namespace {

struct HeaderCase {
    const char* line;
    bool header;
};

template <typename Test>
void expect_headers(Test test, std::initializer_list<HeaderCase> cases) {
    for (const HeaderCase& c : cases) {
        std::string line = c.line;
        EXPECT_EQ(c.header, test(line)) << c.line;
    }
}

TEST(HeaderTests106To115, RecogniseTheirHeadersOnly) {
    expect_headers([](std::string& s) { return Q106(s); }, {{"★12:ビール", true},
                                                            {"★3: 温泉", true},
                                                            {"★0:編集部", false},
                                                            {":★4:x", false},
                                                            {"★:番号なし", false},
                                                            {"★5 ビール", false},
                                                            {"☆1:ビール", false}});
    expect_headers([](std::string& s) { return Q107(s); }, {{"■1", true},
                                                            {"■ 2 ", true},
                                                            {"■１２", true},
                                                            {"■　３", true},
                                                            {"■お知らせ", false},
                                                            {"■0", false},
                                                            {"□1", false}});
    expect_headers([](std::string& s) { return Q108(s); }, {{"( 5)米", true},
                                                            {"(12)米", true},
                                                            {"（１２）米", true},
                                                            {"（　５）米", true},
                                                            {"(00)米", false},
                                                            {"(5)米", false},
                                                            {"[12]米", false}});
    expect_headers([](std::string& s) { return Q110(s); }, {{"★★┬┤懸賞だより", true},
                                                            {" ★★┬┤懸", true},
                                                            {"■1┬┤☆米", true},
                                                            {"■１２┬┤☆米", true},
                                                            {"┬■3┬┤☆米", false},
                                                            {"■0┬┤☆米", false},
                                                            {"■1┤☆米", false}});
    expect_headers([](std::string& s) { return Q111(s); }, {{"▼［01］カニ", true},
                                                            {"  ▼［12］カニ ", true},
                                                            {"▼［１３］カニ", false},
                                                            {"▼［00］カニ", false},
                                                            {"・［01］カニ", false},
                                                            {"▼[01]カニ", false}});
    expect_headers([](std::string& s) { return Q112(s); }, {{"━ 01 ━━━", true},
                                                            {"━ 3 ━━━", true},
                                                            {"━ 00 ━━━", false},
                                                            {"━ 目次 ━━", false},
                                                            {"━ 01 ─━━", false}});
    expect_headers([](std::string& s) { return Q115(s); }, {{"[1] ケトル", true},
                                                            {"[12]デジカメ", true},
                                                            {"[0] おまけ", false},
                                                            {"[x] 目次", false},
                                                            {"[1 括弧なし", false},
                                                            {" [1] 前に空白", false}});
}

TEST(HeaderTests106To115, Q108NarrowsAndQ111TrimsTheLine) {
    std::string line = "（１２）ハンド　クリーム";
    EXPECT_TRUE(Q108(line));
    EXPECT_EQ("(12)ﾊﾝﾄﾞ ｸﾘｰﾑ", line);
    line = "  ▼［01］カニ  ";
    EXPECT_TRUE(Q111(line));
    EXPECT_EQ("▼［01］カニ", line);
    line = "  本文  ";
    EXPECT_FALSE(Q111(line));
    EXPECT_EQ("本文", line);
}

struct ParserRun {
    platform::MemoryPlatform platform;
    ui::Form3 form;
    extract::Primitives x{form, platform};

    explicit ParserRun(const std::string& clipboard) {
        platform.set_now({2001, 5, 10, 9, 0, 0});
        platform.set_clipboard_text(clipboard);
    }
};

// Only a header is read again after its test, so only headers are kept narrowed in Lines; a
// full-width header is found and its title read narrowed.
TEST(Format108, HeadersAreStoredNarrowedOtherLinesAsTheyStand) {
    ParserRun run("ＡＢＣ\r\n（１２）米\r\n締切 5／20\r\nＵＲＬ http://a.jp/\r\n\r\nＸＹＺ\r\n");
    P108(run.x);
    const std::vector<std::string> expected = {"ＡＢＣ", "(12)米", "締切 5／20", "ＵＲＬ http://a.jp/", "",
                                               "ＸＹＺ", ""};
    EXPECT_EQ(expected, run.form.Lines);
    EXPECT_EQ(std::vector<std::string>{"01 米"}, run.form.List1.rows());
}

TEST(Format111, TestedLinesStayTrimmedAndTheContentsAboveTheStartDoNot) {
    ParserRun run(" 目次 \r\n▼［01］カニ\r\n http://a.jp/ \r\n\r\n  後記  \r\n");
    P111(run.x);
    const std::vector<std::string> expected = {" 目次 ", "▼［01］カニ", " http://a.jp/ ", "", "後記", ""};
    EXPECT_EQ(expected, run.form.Lines);
}

TEST(Format110, ATitleAboveTheFirstCategoryCarriesNoTextOfAnEarlierRun) {
    ParserRun run("■1┬┤☆米\r\n");
    run.form.Work = "5/31";  // left behind by an earlier parse
    P110(run.x);
    EXPECT_EQ(std::vector<std::string>{"01 米"}, run.form.List1.rows());
}

TEST(Format110, AnItemWithoutFieldsDoesNotTakeThoseOfTheNextItem) {
    ParserRun run("■1┬┤☆米\r\n\r\n■2┬┤☆麦\r\n├┤締切日☆5/31\r\n├┤アドレ☆http://a.jp/\r\n");
    P110(run.x);
    const std::vector<std::string> expected = {"01 米", "02 麦", "5/31", "http://a.jp/"};
    EXPECT_EQ(expected, run.form.List3.rows());
}

TEST(Format115, TheRunEndsAtAClosingRuleButNotAtAnOrdinaryOne) {
    const std::string item = "[1] 米\r\nhttp://a.jp/\r\n\r\n\r\n\r\n締切:5/31\r\n";
    ParserRun ordinary("【詳細情報】\r\n" + item + "-----\r\n" + item + "-----\r\n");
    P115(ordinary.x);
    EXPECT_EQ(2u, ordinary.form.List1.rows().size());
    ParserRun closing("【詳細情報】\r\n" + item + "おわりに-----\r\n" + item + "-----\r\n");
    P115(closing.x);
    EXPECT_EQ(1u, closing.form.List1.rows().size());
}

TEST(Formats106To115, AnEmptyClipboardAddsNothing) {
    for (int code = 106; code <= 115; ++code) {
        ParserRun run("");
        parser_for(code)(run.x);
        EXPECT_TRUE(run.form.List1.rows().empty()) << code;
        EXPECT_TRUE(run.form.List2.rows().empty()) << code;
        EXPECT_TRUE(run.form.List3.rows().empty()) << code;
    }
}

}  // namespace
}  // namespace velmora::formats

// Edge cases of formats 100 to 105 that read more clearly as short texts than as whole samples:
// missing lines and markers near the end of the text, lines rewritten in place, the section state
// that format 102 carries over from the previous parse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/parsers.h"
#include "ledger/shared_procedures.h"
#include "platform/memory_platform.h"
#include "text/text.h"

namespace velmora::formats {
namespace {

using Rows = std::vector<std::string>;

struct ParseRun {
    platform::MemoryPlatform platform;
    ui::Form3 form;

    ParseRun() { form.Today = ledger::today_text(platform.now()); }

    // Runs a format over the lines given, joined with CR LF and closed by one.
    void parse(int code, const Rows& lines) {
        platform.set_clipboard_text(lines.empty() ? "" : text::join(lines, "\r\n") + "\r\n");
        extract::Primitives x(form, platform);
        parser_for(code)(x);
    }
    Rows list1() const { return form.List1.rows().to_vector(); }
    Rows list2() const { return form.List2.rows().to_vector(); }
    Rows list3() const { return form.List3.rows().to_vector(); }
};

TEST(Formats100To105, RegisteredForTheirCodes) {
    for (int code = 100; code <= 105; ++code) {
        EXPECT_NE(parser_for(code), nullptr) << code;
    }
}

TEST(Formats100To105, TextsWithoutTheirMarkersGiveNothing) {
    const Rows texts[] = {{}, {""}, {"懸賞情報", "http://example.jp/", "締切 5/31"}};
    for (int code = 100; code <= 105; ++code) {
        for (const Rows& lines : texts) {
            ParseRun run;
            run.parse(code, lines);
            EXPECT_TRUE(run.list1().empty() && run.list2().empty() && run.list3().empty()) << code;
        }
    }
}

TEST(Format100, ContestWithoutUrlLineGetsAnEmptyUrlNotAnotherOne) {
    ParseRun run;
    run.parse(100,
              {"--∇--", "|[賞品]Ａ", "[ホームページ]", "[URL]http://a.example.jp/", "[応募期間]～2001/05/20",
               "|[賞品]Ｂ", "[ホームページ]", "[応募期間]～2001/05/25", "[内容]"});
    EXPECT_EQ(run.list3(), (Rows{"01 Ａ", "2001/05/20", "http://a.example.jp/", "02 Ｂ", "2001/05/25", ""}));
}

TEST(Format101, DeadlineCutsWhenTheHeaderLacksAUsableCloseMark) {
    struct Case {
        std::string header;
        std::string title;
        std::string deadline;
    };
    const Case cases[] = {
        {"■06 図書カード 先着順", "■06 図書カード 先着順", "2001/05/10"},  // no 締切: today
        {"■07締切 5/31", "■07締切 5/31", "2001/05/10"},                    // 締切 too early to cut a time
        {"■08 カメラ 05/20 10:00締切", "■08 カメラ 05/20締切", "2001/05/20"},
        {"◆09 ペア券 5/2 9:30 締切", "◆09 ペア券 5/2締切", "2001/05/10"},  // no mm/dd in front
    };
    for (const Case& c : cases) {
        ParseRun run;
        run.parse(101, {"■01 予告 5/31締切", "http://p.example.jp/", "", c.header, "http://c.example.jp/"});
        EXPECT_EQ(run.list3(), (Rows{"■01 予告 5/31締切", "2001/05/31", "http://p.example.jp/", c.title,
                                     c.deadline, "http://c.example.jp/"}))
            << c.header;
    }
}

TEST(Format101, HeaderLinesAreRewrittenInTheText) {
    ParseRun run;
    run.parse(101,
              {"  ■01 ラジオ 5/31締切", "x", "■02 テレビ 06/15 23:59締切", "副題  ", "http://t.example.jp/"});
    // A header must start with its mark, so the indented first line is no header.
    EXPECT_EQ(run.list1(), (Rows{"■02 テレビ 06/15締切副題"}));
    EXPECT_EQ(run.form.Lines[3], "■02 テレビ 06/15締切副題");
    EXPECT_EQ(run.list3(), (Rows{"■02 テレビ 06/15締切副題", "2001/06/15", "http://t.example.jp/"}));
}

TEST(Format101, UndatedContestWithoutBlankLineTakesTheLastLineOfTheText) {
    ParseRun run;
    run.parse(101, {"●お試し", "説明", "http://o.example.jp/"});
    EXPECT_EQ(run.list3(), (Rows{"●お試し", "2001/05/10", "http://o.example.jp/"}));
}

TEST(Format102, SectionStateCarriesOverFromThePreviousParse) {
    const Rows text = {"詳細はこちら", "━━━━━━━━", "01・・・カメラ", "http://k.example.jp/"};
    ParseRun fresh;
    fresh.parse(102, text);
    EXPECT_EQ(fresh.list2(), (Rows{"", "01・・・カメラ", "http://k.example.jp/"}));

    ParseRun after;
    after.form.Mode = 1;
    after.form.ItemNo = 7;
    after.form.Memo = "memo";
    after.parse(102, text);
    EXPECT_EQ(after.list2(), (Rows{"詳細はこちら", "", "01・・・カメラ", "http://k.example.jp/"}));
    EXPECT_EQ(after.form.ItemNo, 7);  // no reset at all
    EXPECT_EQ(after.form.Memo, "memo");
    EXPECT_EQ(after.form.Mode, 1);
}

TEST(Format102, TitleWithoutUrlBelowGivesAnEmptyUrlRow) {
    ParseRun run;
    run.parse(102, {"詳細", "━━━━━━━", "01・・・自転車", "応募ははがきで", "[締切日]2001/05/31"});
    EXPECT_EQ(run.list3(), (Rows{"01・・・自転車", "2001/05/31", ""}));
}

TEST(Format103, RuleInsideAnEntryIsBlankedInTheText) {
    ParseRun run;
    run.parse(103, {"１>>", "１>>", "●タオル", "━━━━━━━━", "http://t.example.jp/", "------"});
    EXPECT_EQ(run.form.Lines[3], "");
    EXPECT_EQ(run.list2(), (Rows{"●タオル", "", "http://t.example.jp/", ""}));
    EXPECT_EQ(run.list3(), (Rows{"●タオル", "2001/05/10", "http://t.example.jp/"}));
}

TEST(Format103, SectionTwoDeadlineNeedsACloseMarkAfterTheLastBlank) {
    struct Case {
        std::string date_line;
        std::string deadline;
    };
    const Case cases[] = {
        {"はがき 6/15締切", "2001/06/15"}, {"6/20締切", "2001/06/20"},  // no blank: from the start
        {"6/15締切 (必着)", "2001/05/10"},                              // blank after the mark: today
        {"締切未定", "2001/05/10"},        {"", "2001/05/10"},
    };
    for (const Case& c : cases) {
        ParseRun run;
        run.parse(103,
                  {"１>>", "１>>", "２>>", "  -------", "賞品", "http://s.example.jp/", c.date_line, ""});
        EXPECT_EQ(run.list3(), (Rows{"賞品", c.deadline, "http://s.example.jp/"})) << c.date_line;
    }
}

TEST(Format103, UnclosedAdvertisementBlockIsCopiedLikeOtherLines) {
    ParseRun run;
    run.parse(103, {"１>>", "１>>", "●A", "===[PR]==", "広告", "------", "●B", "------"});
    EXPECT_EQ(run.list1(), (Rows{"●A", "●B"}));
    EXPECT_EQ(run.list2(), (Rows{"●A", "広告", "", "●B", ""}));
}

TEST(Format103, SectionTwoRuleAtTheEndOfTheTextStartsNoContest) {
    ParseRun run;
    run.parse(103, {"１>>", "１>>", "●A", "http://a.example.jp/", "２>>", "  -------"});
    EXPECT_EQ(run.list1(), (Rows{"●A"}));
    EXPECT_EQ(run.list3(), (Rows{"●A", "2001/05/10", "http://a.example.jp/"}));
}

TEST(Format104, ContestWithoutDetailsGetsAnEmptyUrl) {
    ParseRun run;
    run.parse(104, {"☆★時計", ""});
    EXPECT_EQ(run.list3(), (Rows{"00 時計", "2001/05/10", ""}));
    EXPECT_EQ(run.form.Mode, 1);
}

TEST(Format105, ContestWithoutCommentDoesNotSwallowTheNextOne) {
    ParseRun run;
    run.parse(105, {"【賞品内容】Ａ", "【応募締切】5/20", "≫ http://a.example.jp/ ≪≪", "【賞品内容】Ｂ",
                    "【応募締切】5/25", "【コメント】", "≫ http://b.example.jp/ ≪≪"});
    EXPECT_EQ(run.list1(), (Rows{"01 Ａ", "02 Ｂ"}));
    EXPECT_EQ(run.list3(),
              (Rows{"01 Ａ", "5/20", "http://a.example.jp/", "02 Ｂ", "5/25", "http://b.example.jp/"}));
}

TEST(Format105, ContestWithoutCommentOrUrlLeavesTheNextOneItsUrl) {
    ParseRun run;
    run.parse(105, {"【賞品内容】Ａ", "【応募締切】5/20", "【賞品内容】Ｂ", "【コメント】",
                    "≫ http://b.example.jp/ ≪≪"});
    EXPECT_EQ(run.list1(), (Rows{"01 Ａ", "02 Ｂ"}));
    EXPECT_EQ(run.list3(), (Rows{"01 Ａ", "5/20", "", "02 Ｂ", "http://b.example.jp/"}));
}

TEST(Format105, UrlLineTooShortForItsFrameGivesAnEmptyUrl) {
    ParseRun run;
    run.parse(105, {"【賞品内容】Ａ", "【応募締切】5/20", "【コメント】", "http", "【賞品内容】Ｂ"});
    EXPECT_EQ(run.list2().at(3), "");  // the contest's closing row; the short line added nothing
    EXPECT_EQ(run.list3().at(1), "5/20");
    EXPECT_EQ(run.list3().at(2), "");
}

}  // namespace
}  // namespace velmora::formats

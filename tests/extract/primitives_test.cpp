#include "extract/primitives.h"

#include <gtest/gtest.h>

#include "ledger/shared_procedures.h"
#include "platform/memory_platform.h"

namespace velmora::extract {
namespace {

struct Fixture {
    platform::MemoryPlatform desktop;
    ui::Form3 form;
    Primitives x{form, desktop};

    void clipboard(std::string_view text) {
        desktop.set_clipboard_text(text);
        x.GetLi();
    }
};

TEST(Primitives, LastScanIndexFollowsTheClosingLineBreak) {
    Fixture f;
    f.clipboard("a\r\nb\r\n");
    EXPECT_EQ(f.form.Lines.size(), 3u);
    EXPECT_EQ(f.x.ULI(), 1);
    f.clipboard("a\r\nb");
    EXPECT_EQ(f.x.ULI(), 0);
    f.clipboard("a");
    EXPECT_EQ(f.x.ULI(), -1);
    f.desktop.clear_clipboard();
    f.x.GetLi();
    EXPECT_TRUE(f.form.Lines.empty());
    EXPECT_EQ(f.x.ULI(), -2);
}

TEST(Primitives, LinesBeyondEitherEndReadEmpty) {
    Fixture f;
    f.clipboard("a\r\nb\r\n");
    EXPECT_EQ(f.x.L(-1), "");
    EXPECT_EQ(f.x.L(1), "b");
    EXPECT_EQ(f.x.L(2), "");
    EXPECT_EQ(f.x.L(3), "");
    f.x.set_line(7, "ignored");
    EXPECT_EQ(f.form.Lines.size(), 3u);
}

TEST(Primitives, LA0TrimsTheCallersTitleAndStartsAnEntry) {
    Fixture f;
    std::string title = "  01 懸賞  ";
    f.x.LA0(title);
    EXPECT_EQ(title, "01 懸賞");
    EXPECT_EQ(f.form.List1.rows(), std::vector<std::string>{"01 懸賞"});
    EXPECT_EQ(f.form.List2.rows(), std::vector<std::string>{"01 懸賞"});
    EXPECT_EQ(f.form.List3.rows(), std::vector<std::string>{"01 懸賞"});
    f.x.LA2("  ");
    f.x.LA3(" 2001/05/31 ");
    EXPECT_EQ(f.form.List2.row(1), "");
    EXPECT_EQ(f.form.List3.row(1), "2001/05/31");
}

TEST(Primitives, NaiyouWithoutMarkerStopsAtTheFirstBlankLine) {
    Fixture f;
    f.clipboard("0\r\n1\r\n2\r\nthree\r\n  four  \r\n\r\nsix\r\n");
    EXPECT_EQ(f.x.Naiyou(3, ""), 5);
    EXPECT_EQ(f.form.List2.rows(), (std::vector<std::string>{"three", "four", ""}));
}

TEST(Primitives, NaiyouWithMarkerSkipsBlankLines) {
    Fixture f;
    f.clipboard("0\r\n1\r\n2\r\nthree\r\n\r\nend ---- here\r\nsix\r\n");
    EXPECT_EQ(f.x.Naiyou(3, "----"), 5);
    EXPECT_EQ(f.form.List2.rows(), (std::vector<std::string>{"three", ""}));
}

TEST(Primitives, NaiyouRunningOutReturnsOnePastTheLastIndex) {
    Fixture f;
    f.clipboard("a\r\nb\r\n");
    EXPECT_EQ(f.x.Naiyou(0, "never"), 2);
    EXPECT_EQ(f.x.Naiyou(9, "never"), 9);
    EXPECT_EQ(f.form.List2.rows(), (std::vector<std::string>{"a", "b", "", ""}));
}

TEST(Primitives, ChLaShowsMemoAndTheStatus) {
    struct Row {
        long code;
        const char* caption;
        ui::Colour colour;
    };
    const Row rows[] = {
        {0, "OK", ui::Colour::Normal},       {1, "応募終了！", ui::Colour::Red},
        {10, "会員登録！", ui::Colour::Red}, {11, "応募終了！", ui::Colour::Red},
        {5, "before", ui::Colour::Red},
    };
    for (const Row& row : rows) {
        Fixture f;
        f.form.Label1.set_caption("before");
        f.form.Memo = "details\r\n";
        f.form.ItemNo = row.code;
        f.x.ChLa();
        EXPECT_EQ(f.form.Text1.text(), "\r\ndetails\r\n");
        EXPECT_EQ(f.form.Label1.caption(), row.caption) << row.code;
        EXPECT_EQ(f.form.Label1.colour(), row.colour) << row.code;
    }
}

TEST(Primitives, SKKResetsTheCountersButNotPendOrWork) {
    Fixture f;
    f.form.Memo = "m";
    f.form.ItemNo = 4;
    f.form.Mode = 2;
    f.form.Pend = "p";
    f.form.Work = "w";
    f.x.SKK();
    EXPECT_EQ(f.form.Memo, "");
    EXPECT_EQ(f.form.ItemNo, 0);
    EXPECT_EQ(f.form.Mode, 0);
    EXPECT_EQ(f.form.Pend, "p");
    EXPECT_EQ(f.form.Work, "w");
}

// Remembered deadlines must follow the clock: the same Primitives asked again after the day, the
// noon rounding or the year moved gives what an unremembered reading gives.
TEST(Primitives, RememberedDatesFollowTheClock) {
    Fixture f;
    const locale::DateTime nows[] = {{2001, 10, 7, 11, 0, 0}, {2001, 10, 7, 11, 30, 0},
                                     {2001, 10, 7, 13, 0, 0}, {2001, 10, 8, 9, 0, 0},
                                     {2002, 1, 2, 9, 0, 0},   {2001, 10, 7, 11, 0, 0}};
    for (const auto& now : nows) {
        f.desktop.set_now(now);
        for (std::string_view t : {"5/10", " 5/10 ", "2001/05/10", "未定", "12/31", ""}) {
            EXPECT_EQ(f.x.FixDate(t), ledger::FixDate(t, now))
                << t << " at " << now.month << "/" << now.day << " " << now.hour;
        }
    }
}

TEST(Primitives, TitleGivenAwayStillReachesAllThreeLists) {
    Fixture f;
    f.x.LA0(std::string("  01 米  "));
    std::string kept = " 02 酒";
    f.x.LA0(kept);
    EXPECT_EQ(kept, "02 酒");
    for (const ui::ListBox* list : {&f.form.List1, &f.form.List2, &f.form.List3}) {
        EXPECT_EQ(list->rows(), (std::vector<std::string>{"01 米", "02 酒"}));
    }
}

TEST(Primitives, NewLinesLeaveNothingOfTheOldOnes) {
    Fixture f;
    f.clipboard("a long first line of text\r\nb\r\nc\r\nd");
    f.clipboard("x\r\n");
    EXPECT_EQ(f.form.Lines, (std::vector<std::string>{"x", ""}));
}

}  // namespace
}  // namespace velmora::extract

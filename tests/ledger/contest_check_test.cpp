#include <gtest/gtest.h>

#include "ledger/contest_check.h"
#include "ledger/desk.h"

namespace velmora::ledger {
namespace {

using platform::Answer;
using platform::quote_event_text;
using testing_desk::Desk;
using testing_desk::Lines;
using testing_desk::record;

const std::string kUrl = "http://a.example/x/";
// Today is 2001/05/10.
const std::string kEarlier = record("2001/03/01", "2001/03/31", kUrl);    // state 1
const std::string kOlder = record("2001/01/05", "2001/01/31", kUrl);      // state 1, older still
const std::string kThisMonth = record("2001/05/02", "2001/05/08", kUrl);  // state -1
const std::string kStillOpen = record("2001/04/20", "2001/05/31", kUrl);  // state -2
const std::string kOtherSite = record("2001/05/01", "2001/05/31", "http://b.example/y/");

std::string ask(std::string_view kind, std::string_view text, std::string_view answer) {
    return "ask " + std::string(kind) + " " + quote_event_text(text) + " -> " + std::string(answer);
}
std::string earlier_question(std::string_view days, std::string_view applied) {
    return "\r\n" + kUrl + "\r\n\r\n" + std::string(days) + "日前\r\n" + std::string(applied) + "\r\n" +
           kUrl + "\r\nで応募済みです。追加しますか？";
}
std::string this_month_question(std::string_view day) {
    return "\r\n" + kUrl + "\r\n\r\n今月 " + std::string(day) + " 日に応募済みです。追加しますか？";
}
const std::string kOpenNotice = "2001/04/20 に応募済みです\r\n2001/05/31 が締切なので応募の必要はありません";

struct StockRow {
    const char* name;
    Lines history;
    bool this_month_q;
    bool earlier_q;
    bool open_notice;
    bool check4;
    std::vector<Answer> answers;
    Lines events;
    std::string result;
    bool stocked;
    Lines history_after;
};

const std::vector<StockRow> kStockRows = {
    {"EarlierAskedYesRemovesNextOlder",
     {kOlder, kEarlier},
     false,
     true,
     false,
     false,
     {Answer::Yes},
     {ask("yesnocancel", earlier_question("70", "2001/03/01"), "yes")},
     "6",
     true,
     {kEarlier}},
    {"EarlierAskedNoDeclines",
     {kOlder, kEarlier},
     false,
     true,
     false,
     false,
     {Answer::No},
     {ask("yesnocancel", earlier_question("70", "2001/03/01"), "no")},
     "7",
     false,
     {kOlder, kEarlier}},
    {"EarlierAskedCancel",
     {kEarlier},
     false,
     true,
     false,
     false,
     {Answer::Cancel},
     {ask("yesnocancel", earlier_question("70", "2001/03/01"), "cancel")},
     "2",
     false,
     {kEarlier}},
    {"EarlierSilentRemovesNextOlder",
     {kOlder, kEarlier},
     false,
     false,
     false,
     false,
     {},
     {},
     "6",
     true,
     {kEarlier}},
    {"EarlierWithConfirmOptionKeepsOlder",
     {kOlder, kEarlier},
     false,
     false,
     false,
     true,
     {},
     {},
     "6",
     true,
     {kOlder, kEarlier}},
    {"ThisMonthAskedYesRemovesNextOlder",
     {kOlder, kThisMonth},
     true,
     false,
     false,
     false,
     {Answer::Yes},
     {ask("yesnocancel", this_month_question("02"), "yes")},
     "6",
     true,
     {kThisMonth}},
    // No keeps the state at -1, so the next older record is asked about the same way.
    {"ThisMonthAskedNoCarriesToOlder",
     {kOlder, kThisMonth},
     true,
     false,
     false,
     false,
     {Answer::No, Answer::No},
     {ask("yesnocancel", this_month_question("02"), "no"),
      ask("yesnocancel", this_month_question("05"), "no")},
     "7",
     false,
     {kOlder, kThisMonth}},
    {"ThisMonthSilentStocks", {kThisMonth}, false, false, false, false, {}, {}, "6", true, {kThisMonth}},
    {"StillOpenNotice",
     {kStillOpen},
     true,
     true,
     true,
     false,
     {},
     {ask("ok", kOpenNotice, "ok")},
     "",
     false,
     {kStillOpen}},
    {"StillOpenSilent", {kStillOpen}, true, true, false, false, {}, {}, "", false, {kStillOpen}},
    // An open record is not removed by state 9: it ends the check without stocking.
    {"OpenRecordBelowAcceptedOne",
     {kStillOpen, kEarlier},
     false,
     false,
     false,
     false,
     {},
     {},
     "6",
     false,
     {kStillOpen, kEarlier}},
    {"NoMatchingRecord", {kOtherSite}, true, true, true, false, {}, {}, "", true, {kOtherSite}},
    {"SameMonthOfEarlierYearCountsAsThisMonth",
     {record("2000/05/02", "2000/05/31", kUrl)},
     true,
     false,
     false,
     false,
     {Answer::No},
     {ask("yesnocancel", this_month_question("02"), "no")},
     "7",
     false,
     {record("2000/05/02", "2000/05/31", kUrl)}},
    {"DeadlineTodayIsNotOpen",
     {record("2001/04/10", "2001/05/10", kUrl)},
     false,
     true,
     true,
     false,
     {Answer::Yes},
     {ask("yesnocancel", earlier_question("30", "2001/04/10"), "yes")},
     "6",
     true,
     {record("2001/04/10", "2001/05/10", kUrl)}},
    {"AppliedDateNoDateCountsZeroDays",
     {record("(unknown)!", "2001/03/31", kUrl)},
     false,
     true,
     false,
     false,
     {Answer::Yes},
     {ask("yesnocancel", earlier_question("0", "(unknown)!"), "yes")},
     "6",
     true,
     {record("(unknown)!", "2001/03/31", kUrl)}},
};

class StockCheck : public ::testing::TestWithParam<StockRow> {};

TEST_P(StockCheck, FollowsTheCheckTable) {
    const StockRow& row = GetParam();
    Desk desk;
    desk.marks(true, row.open_notice, row.this_month_q, row.earlier_q);
    desk.program.form4.Check4.set_checked(row.check4);
    desk.history(row.history);
    desk.stock({"2001/06/01http://c.example/"});
    for (Answer a : row.answers) {
        desk.platform.queue_answer(a);
    }
    desk.clip(kUrl);

    EXPECT_EQ(CheckHistory(desk.program, kStockCheck), row.result);
    EXPECT_EQ(desk.events(), row.events);
    EXPECT_EQ(desk.platform.queued_answers(), 0u);
    Lines stock{"2001/06/01http://c.example/"};
    if (row.stocked) {
        stock.push_back(kUrl);
    }
    EXPECT_EQ(desk.stock(), stock);
    EXPECT_EQ(desk.stock_file(), stock);
    EXPECT_EQ(desk.program.form2.Command1.caption(), std::to_string(stock.size()) + "\r\nstock");
    EXPECT_EQ(desk.history(), row.history_after);
}

INSTANTIATE_TEST_SUITE_P(Rows, StockCheck, ::testing::ValuesIn(kStockRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StockCheck, AlreadyStockedIsToldOnlyWhenMarked) {
    for (const bool mark : {true, false}) {
        Desk desk;
        desk.marks(mark, true, true, true);
        desk.stock({"2001/05/31" + kUrl});
        desk.history({kEarlier});
        desk.clip("2001/06/30" + kUrl);
        EXPECT_EQ(CheckHistory(desk.program, kStockCheck), "");
        EXPECT_EQ(desk.events(), mark ? Lines{ask("ok", kUrl + " でストック済みです", "ok")} : Lines{});
        EXPECT_EQ(desk.stock(), Lines{"2001/05/31" + kUrl});
        EXPECT_EQ(desk.program.form2.Command1.caption(), "Check");  // nothing counted, nothing saved
        EXPECT_EQ(desk.stock_file(), Lines{"<none>"});
    }
}

TEST(StockCheck, StockEntryGetsItsSlashAndTheClipboardTheUrlAsGiven) {
    Desk desk;
    desk.clip("2001/05/31http://a.example/x");
    EXPECT_EQ(CheckHistory(desk.program, kStockCheck), "");
    EXPECT_EQ(desk.stock(), Lines{"2001/05/31http://a.example/x/"});
    EXPECT_EQ(desk.platform.clipboard_text(), "http://a.example/x");
}

TEST(StockCheck, CaptionCountsEveryEntry) {
    Desk desk;
    Lines eleven;
    for (int i = 0; i < 11; ++i) {
        eleven.push_back("http://s" + std::to_string(i) + ".example/");
    }
    desk.stock(eleven);
    desk.clip("http://new.example/");
    CheckHistory(desk.program, kStockCheck);
    EXPECT_EQ(desk.program.form2.Command1.caption(), "12\r\nstock");
}

TEST(ContestCheck, ClipboardWithoutUrlIsToldInBothModes) {
    for (const int mode : {kOpeningCheck, kStockCheck}) {
        Desk desk;
        desk.clip("懸賞のお知らせ");
        EXPECT_EQ(CheckHistory(desk.program, mode), "");
        EXPECT_EQ(desk.events(), Lines{ask("ok", "懸賞のお知らせ\r\nこれって違うような・・・", "ok")});
        EXPECT_TRUE(desk.stock().empty());
        EXPECT_EQ(desk.stock_file(), Lines{"<none>"});
    }
}

struct OpeningRow {
    const char* name;
    Lines history;
    std::vector<Answer> answers;
    Lines events;
    std::string result;
};

const std::string kOpenQuestion = kOpenNotice + "\r\nそれでも表示しますか？";

const std::vector<OpeningRow> kOpeningRows = {
    {"NoMatch", {kOtherSite}, {}, {}, ""},
    {"Earlier", {kEarlier}, {}, {}, "2001/03/01"},
    {"ThisMonth", {kThisMonth}, {}, {}, "2001/05/02"},
    {"NewestMatchOnly", {kStillOpen, kEarlier}, {}, {}, "2001/03/01"},
    {"StillOpenYes",
     {kEarlier, kStillOpen},
     {Answer::Yes},
     {ask("yesno", kOpenQuestion, "yes")},
     "2001/04/20"},
    {"StillOpenNo", {kStillOpen}, {Answer::No}, {ask("yesno", kOpenQuestion, "no")}, "応募済み"},
};

class OpeningCheck : public ::testing::TestWithParam<OpeningRow> {};

TEST_P(OpeningCheck, FollowsTheCheckTable) {
    const OpeningRow& row = GetParam();
    Desk desk;
    desk.history(row.history);
    for (Answer a : row.answers) {
        desk.platform.queue_answer(a);
    }
    desk.clip(kUrl);
    EXPECT_EQ(CheckHistory(desk.program, kOpeningCheck), row.result);
    EXPECT_EQ(desk.events(), row.events);
    EXPECT_EQ(desk.history(), row.history);  // the opening check changes nothing
    EXPECT_TRUE(desk.stock().empty());
    EXPECT_FALSE(desk.program.form3_as_is().loaded);  // the Option marks are not consulted
}

INSTANTIATE_TEST_SUITE_P(Rows, OpeningCheck, ::testing::ValuesIn(kOpeningRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ContestCheck, SiteRootMatchesDeeperPagesOfTheSameDirectory) {
    Desk desk;
    desk.history({record("2001/03/01", "2001/03/31", "http://a.example/x/page.html")});
    desk.clip("http://a.example/x/other.html");
    EXPECT_EQ(CheckHistory(desk.program, kOpeningCheck), "2001/03/01");
}

}  // namespace
}  // namespace velmora::ledger

#include <gtest/gtest.h>

#include "ledger/desk.h"
#include "ledger/history.h"
#include "store/fault_point.h"

namespace velmora::ledger {
namespace {

using platform::Answer;
using testing_desk::Desk;
using testing_desk::Lines;
using testing_desk::record;

const std::string kRoot = "http://a.example/x/";

void opened(Desk& desk, std::string_view url, std::string_view deadline = "2001/05/10") {
    desk.program.form1.CurUrl = std::string(url);
    desk.program.form1.HisPending = 1;
    desk.program.form1.Label6.set_caption(deadline);
}

std::string made(std::string_view deadline, std::string_view flag, std::string_view url) {
    return "2001/05/10" + std::string(deadline) + std::string(flag) + "aaaa" + std::string(url);
}

TEST(HDK, ReplacesRootRecordsAndKeepsDeeperOnes) {
    Desk desk;
    const std::string deeper = record("2001/02/01", "2001/02/28", kRoot + "page.html");
    const std::string other = record("2001/02/02", "2001/02/28", "http://b.example/");
    desk.history({record("2001/01/01", "2001/01/31", kRoot), record("2001/03/01", "2001/03/31", kRoot),
                  deeper, other, record("2001/04/01", "2001/04/30", kRoot)});
    opened(desk, kRoot + "entry.html?id=3", "2001/05/31");
    HDK(desk.program);
    const Lines expected{deeper, other, made("2001/05/31", "0", kRoot + "entry.html?id=3")};
    EXPECT_EQ(desk.history(), expected);
    EXPECT_EQ(desk.history_file(), expected);
    EXPECT_EQ(desk.program.form1.caption(), "2001/05/10 UP");
    EXPECT_EQ(desk.program.form1.HisPending, 0);
    EXPECT_TRUE(desk.events().empty());
}

// A contest URL without a host has no site root: recording it removes no record, not even one
// whose URL is that cut root or empty.
TEST(HDK, ARootWithoutAHostRemovesNothing) {
    for (const char* url : {"http:/x.y", "abc"}) {
        Desk desk;
        const Lines kept{record("2001/01/01", "2001/01/31", "http:/"), "2001/01/012001/01/310aaaa"};
        desk.history(kept);
        opened(desk, url);
        HDK(desk.program);
        EXPECT_EQ(desk.history(), (Lines{kept[0], kept[1], made("2001/05/10", "1", url)})) << url;
    }
}

TEST(HDK, RecordsOncePerOpening) {
    Desk desk;
    opened(desk, kRoot);
    HDK(desk.program);
    HDK(desk.program);
    EXPECT_EQ(desk.history(), Lines{made("2001/05/10", "1", kRoot)});
}

TEST(HDK, NoHistoryWantedRecordsNothing) {
    Desk desk;
    opened(desk, kRoot);
    desk.program.form1.Check1.set_checked(true);
    HDK(desk.program);
    EXPECT_TRUE(desk.history().empty());
    EXPECT_EQ(desk.program.form1.HisPending, 1);
    EXPECT_EQ(desk.program.form1.caption(), "!ZOV");
}

TEST(HDK, WithoutUrlSaysAdressErrorAndStaysDue) {
    Desk desk;
    opened(desk, "");
    HDK(desk.program);
    EXPECT_TRUE(desk.history().empty());
    EXPECT_EQ(desk.program.form1.caption(), "AdressError");
    EXPECT_EQ(desk.program.form1.HisPending, 1);
    EXPECT_EQ(desk.history_file(), Lines{});
}

TEST(HDK, AsksBeforeRemovingWhenTheOptionSaysSo) {
    Desk desk;
    const std::string first = record("2001/01/01", "2001/01/31", kRoot);
    const std::string second = record("2001/03/01", "2001/03/31", kRoot);
    desk.history({first, second});
    desk.program.form4.Check1.set_checked(true);
    opened(desk, kRoot);
    desk.answers({Answer::No, Answer::Yes});
    HDK(desk.program);
    const std::string question =
        "\"2001/05/10" + kRoot + "\\r\\n" + kRoot + "\\r\\nで一致したようです。更新しますか？\"";
    EXPECT_EQ(desk.events(),
              (Lines{"ask yesno " + question + " -> no", "ask yesno " + question + " -> yes"}));
    EXPECT_EQ(desk.history(), (Lines{first, made("2001/05/10", "1", kRoot)}));
}

TEST(HDK, FailedSaveIsTold) {
    Desk desk;
    opened(desk, kRoot);
    store::detail::inject_fault(store::detail::FaultPoint::Rename);
    HDK(desk.program);
    const Lines events = desk.events();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_NE(events[0].find("zov21.ini"), std::string::npos);
    EXPECT_EQ(desk.history(), Lines{made("2001/05/10", "1", kRoot)});
}

TEST(HistoryList, SavedAndLoadedWhole) {
    Desk desk;
    const Lines records{record("2001/01/01", "2001/01/31", "http://a.example/?a=1,b=2"), "\"quoted"};
    desk.history(records);
    Save2(desk.program);
    Desk again;
    std::filesystem::copy_file(desk.platform.program_directory() / "zov21.ini",
                               again.platform.program_directory() / "zov21.ini");
    LoZov21(again.program);
    EXPECT_EQ(again.history(), records);
}

}  // namespace
}  // namespace velmora::ledger

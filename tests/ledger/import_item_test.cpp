#include <gtest/gtest.h>

#include "ledger/contest_check.h"
#include "ledger/desk.h"
#include "ledger/stock_window.h"
#include "store/fault_point.h"

namespace velmora::ledger {
namespace {

using platform::Answer;
using testing_desk::Desk;
using testing_desk::Lines;
using testing_desk::record;

TEST(ImportItem, ChecksEveryLineAndSkipsEmptyOnes) {
    Desk desk;
    desk.marks(true, true, false, false);
    desk.clip(
        "2001/05/31http://a.example/\r\n\r\n2001/06/01http://b.example/x.html\r\nhttp://c.example/\r\n");
    ImportItem(desk.program);
    EXPECT_EQ(desk.stock(), (Lines{"2001/05/31http://a.example/", "2001/06/01http://b.example/x.html",
                                   "http://c.example/"}));
    EXPECT_EQ(desk.stock_file(), desk.stock());
    const ui::Label& status = desk.program.form3_as_is().Label1;
    EXPECT_EQ(status.caption(), "3 stock");
    EXPECT_EQ(status.colour(), ui::Colour::Black);
    EXPECT_TRUE(desk.events().empty());
}

TEST(ImportItem, CancelStopsAfterTheLineAskedAbout) {
    Desk desk;
    desk.marks(true, true, true, true);
    desk.history({record("2001/03/01", "2001/03/31", "http://b.example/")});
    desk.clip("http://a.example/\r\n\r\nhttp://b.example/\r\nhttp://c.example/");
    desk.answers({Answer::Cancel});
    ImportItem(desk.program);
    EXPECT_EQ(desk.stock(), Lines{"http://a.example/"});
    EXPECT_EQ(desk.stock_file(), Lines{"http://a.example/"});
    EXPECT_EQ(desk.events().size(), 1u);  // the question about b; c is never checked
    EXPECT_EQ(desk.program.form3_as_is().Label1.caption(), "1 stock");
    EXPECT_EQ(desk.program.form3_as_is().Label1.colour(), ui::Colour::Black);
}

TEST(ImportItem, LineWithoutUrlIsToldAndTheImportGoesOn) {
    Desk desk;
    desk.clip("締切未定\r\nhttp://a.example/");
    desk.answers({Answer::Ok});
    ImportItem(desk.program);
    EXPECT_EQ(desk.events(), Lines{"ask ok \"締切未定\\r\\nこれって違うような・・・\" -> ok"});
    EXPECT_EQ(desk.stock(), Lines{"http://a.example/"});
}

// The checks of an import leave zov5.ini to the import, which writes it once after the last
// check: a failing save is told once, and the file keeps the list it held before the import.
TEST(ImportItem, SavesTheStockListOnceAfterTheLastCheck) {
    Desk desk;
    desk.marks(false, false, false, false);
    desk.stock({"http://old.example/"});
    SavaData(desk.program);
    desk.clip("http://a.example/\r\nhttp://b.example/\r\n");
    store::detail::inject_fault(store::detail::FaultPoint::Write);
    ImportItem(desk.program);
    const Lines events = desk.events();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_NE(events[0].find("zov5.ini"), std::string::npos);
    EXPECT_EQ(desk.stock_file(), Lines{"http://old.example/"});
    EXPECT_EQ(desk.stock(), (Lines{"http://old.example/", "http://a.example/", "http://b.example/"}));
}

}  // namespace
}  // namespace velmora::ledger

#include <gtest/gtest.h>

#include "ledger/desk.h"
#include "ledger/shared_procedures.h"
#include "store/fault_point.h"

namespace velmora::ledger {
namespace {

using testing_desk::Desk;
using testing_desk::Lines;

TEST(StockWindow, OpensInPlaceOfTheStripRightEdgesAligned) {
    Desk desk;
    desk.program.form1.move(9000, 3000);
    desk.program.form1.show_without_activation();
    store::save_stock(desk.platform.program_directory(), {"2001/05/31http://a.example/"});
    F2Show(desk.program);
    EXPECT_FALSE(desk.program.form1.visible());
    EXPECT_TRUE(desk.program.form2.visible());
    EXPECT_EQ(desk.program.form2.top(), 3000);
    EXPECT_EQ(desk.program.form2.left(), 9000 + ui::kNarrowWidth - desk.program.form2.width());
    desk.program.run_pending_activations();
    EXPECT_EQ(desk.stock(), Lines{"2001/05/31http://a.example/"});
    const ui::Geometry& g = desk.program.form2.geometry();
    EXPECT_EQ(desk.events(),
              Lines{"topmost Form2 " + std::to_string(ui::to_pixels(g.left)) + " 200 " +
                    std::to_string(ui::to_pixels(g.width)) + " " + std::to_string(ui::to_pixels(g.height))});
}

TEST(StockWindow, ActivationWithoutFileLeavesAnEmptyListUnplaced) {
    Desk desk;
    desk.stock({"stale"});
    Form_Activate(desk.program);
    EXPECT_TRUE(desk.stock().empty());
    EXPECT_TRUE(desk.events().empty());
}

TEST(StockWindow, ResizeFitsTheList) {
    struct Row {
        long width, height, list_width, list_height;
    };
    for (const Row& r : {Row{4800, 5325, 3795, 4525}, Row{1680, 1260, 672, 540}, Row{1681, 1261, 676, 461},
                         Row{3000, 1200, 1995, 540}}) {
        Desk desk;
        desk.program.form2.set_size(r.width, r.height);
        EXPECT_EQ(desk.program.form2.List1.geometry().width, r.list_width) << r.width;
        EXPECT_EQ(desk.program.form2.List1.geometry().height, r.list_height) << r.height;
    }
}

TEST(StockWindow, ClickCopiesTheRowOnly) {
    Desk desk;
    desk.stock({"2001/05/31http://a.example/", "http://b.example/"});
    desk.program.form2.List1.set_list_index(1);
    desk.program.form2.List1.on_click();
    EXPECT_EQ(desk.platform.clipboard_text(), "http://b.example/");
    EXPECT_EQ(desk.stock().size(), 2u);
    EXPECT_EQ(desk.stock_file(), Lines{"<none>"});
}

TEST(StockWindow, BackAndClosingSaveAndBringTheStripBack) {
    for (const bool by_menu : {true, false}) {
        Desk desk;
        F2Show(desk.program);
        desk.stock({"http://a.example/"});
        if (by_menu) {
            desk.program.form2.menu0[0].on_click();
        } else {
            desk.program.form2.on_query_unload();
        }
        EXPECT_FALSE(desk.program.form2.visible());
        EXPECT_TRUE(desk.program.form1.visible());
        EXPECT_EQ(desk.stock_file(), Lines{"http://a.example/"});
    }
}

TEST(StockWindow, CheckButtonStocksTheClipboardContest) {
    Desk desk;
    desk.clip("http://a.example/x");
    desk.program.form2.Command1.on_click();
    EXPECT_EQ(desk.stock(), Lines{"http://a.example/x/"});
    EXPECT_EQ(desk.program.form2.Command1.caption(), "1\r\nstock");
}

TEST(StockWindow, FailedSaveIsTold) {
    Desk desk;
    desk.stock({"http://a.example/"});
    store::detail::inject_fault(store::detail::FaultPoint::Write);
    SavaData(desk.program);
    const Lines events = desk.events();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_NE(events[0].find("zov5.ini"), std::string::npos);
}

TEST(Calendar, OpensLeftOfTheStripAndTheChosenDayBecomesTheDeadline) {
    Desk desk;
    ui::Form1& form1 = desk.program.form1;
    form1.move(9000, 3000);
    form1.Label6.set_colour(ui::Colour::Red);
    form1.Label6.on_click();
    EXPECT_TRUE(desk.program.form5.visible());
    EXPECT_EQ(desk.program.form5.left(), 6600);
    EXPECT_EQ(desk.program.form5.top(), 3000);
    EXPECT_EQ(form1.HisPending, 1);
    desk.program.form5.MonthView1.set_date({2001, 6, 2});
    desk.program.form5.MonthView1.on_dateclick();
    EXPECT_EQ(form1.Label6.caption(), "2001/06/02");
    EXPECT_EQ(form1.Label6.colour(), ui::Colour::Normal);
    EXPECT_FALSE(desk.program.form5.visible());
}

}  // namespace
}  // namespace velmora::ledger

// The main window's life on the headless desktop: the date taken again on activation, the data
// files read at start, placement values a window could not take, and the end of the program.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "platform/memory_platform.h"
#include "shell/application.h"
#include "shell/main_window.h"
#include "shell/tray.h"
#include "store/store.h"

namespace velmora::shell {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void write(std::string_view name, const std::vector<std::string>& lines) {
        ASSERT_TRUE(store::write_lines(desktop.program_directory() / name, lines).ok);
    }

    platform::MemoryPlatform desktop;
};

TEST_F(MainWindowTest, TodayIsTakenAgainWhenTheWindowBecomesActive) {
    desktop.set_now({2001, 5, 10, 23, 59, 30});
    Application app(desktop);
    app.start();
    ui::Program& program = app.program();
    EXPECT_EQ(program.form1.Today, "2001/05/10");

    desktop.set_now({2001, 5, 11, 0, 0, 5});
    program.run_pending_activations();
    EXPECT_EQ(program.form1.Today, "2001/05/10");  // shown on top without activation at start
    program.form1.on_activate();
    EXPECT_EQ(program.form1.Today, "2001/05/11");

    // Back from the tray the window is shown the ordinary way, so it becomes active again.
    TskTryIn(program);
    desktop.set_now({2001, 5, 12, 0, 0, 5});
    program.form1.on_tray(kTrayLeftButtonUp);
    program.run_pending_activations();
    EXPECT_EQ(program.form1.Today, "2001/05/12");
    EXPECT_EQ(program.form1.Label6.caption(), "2001/05/10");  // the deadline label keeps its date
}

TEST_F(MainWindowTest, FlowchartsAndIdBookAreReadIntoTheirArraysWithASpareSlot) {
    write("zov3.ini", {"応募A%0010203%T", "B%0%U01%0x", "noCode"});
    write("zov4.ini", {"site/id/pass", "other/me/pw"});
    Application app(desktop);
    app.start();
    const ui::Form1& form = app.program().form1;
    EXPECT_EQ(form.List3.rows(), (std::vector<std::string>{"応募A", "B", "noCode"}));
    EXPECT_EQ(form.FlowTexts, (std::vector<std::string>{"010203%T", "%U01%0x", "", ""}));
    EXPECT_EQ(form.IdTexts, (std::vector<std::string>{"site/id/pass", "other/me/pw", ""}));
}

TEST_F(MainWindowTest, WithoutFlowchartOrIdFilesTheArraysHoldOnlyTheSpareSlot) {
    Application app(desktop);
    app.start();
    EXPECT_EQ(app.program().form1.FlowTexts, std::vector<std::string>{""});
    EXPECT_EQ(app.program().form1.IdTexts, std::vector<std::string>{""});
    EXPECT_EQ(app.program().form1.List3.count(), 0);
}

struct PlacementCase {
    const char* top;
    const char* left;
    const char* event;
};

TEST_F(MainWindowTest, SavedPositionsArePlacedInPixelsWithinTheRangeThePlacementTakes) {
    const PlacementCase cases[] = {
        {" 3000 ", " 9000 ", "topmost Form1 600 200 155 355"},
        {" 3007 ", " 9008 ", "topmost Form1 601 200 155 355"},  // 200.47 rounds down, 600.53 up
        {"-1500 ", "-15 ", "topmost Form1 -1 -100 155 355"},
        {"abc", "", "topmost Form1 0 0 155 355"},
        {" 9000000 ", " -9000000 ", "topmost Form1 -32768 32767 155 355"},
        {" 1E+300 ", " 0 ", "topmost Form1 0 32767 155 355"},
    };
    for (const PlacementCase& c : cases) {
        platform::MemoryPlatform fresh;
        ASSERT_TRUE(store::write_lines(fresh.program_directory() / "zov1.ini", {c.top, c.left}).ok);
        Application app(fresh);
        app.start();
        EXPECT_EQ(fresh.take_events(), std::vector<std::string>{c.event}) << c.top << " / " << c.left;
    }
}

// A position read from zov1.ini is held within what a 16-bit pixel position takes before any
// arithmetic (on Windows a long has 32 bits).
TEST_F(MainWindowTest, SavedPositionsAreHeldWithinTheScreenRange) {
    const struct {
        double saved;
        long twips;
    } cases[] = {
        {9000, 9000},      {-15.4, -15},       {2147483647.0, 491505}, {1e300, 491505},
        {-1e300, -491520}, {491505.4, 491505}, {-491520.0, -491520},   {std::nan(""), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(saved_position(c.saved), c.twips) << c.saved;
    }
}

TEST_F(MainWindowTest, ClosingEndsTheProgramOnceAndHidesEveryWindow) {
    Application app(desktop);
    app.start();
    ui::Program& program = app.program();
    program.form2.show();
    program.form1.on_query_unload();
    EXPECT_FALSE(app.running());
    EXPECT_FALSE(program.form1.visible());
    EXPECT_FALSE(program.form2.visible());

    // A second close (the desktop shutting down after the window closed) writes nothing again.
    std::filesystem::remove(desktop.program_directory() / "zov1.ini");
    app.close();
    EXPECT_FALSE(desktop.file_exists(desktop.program_directory() / "zov1.ini"));
}

}  // namespace
}  // namespace velmora::shell

#include <gtest/gtest.h>

#include "browser/browser.h"
#include "ledger/desk.h"
#include "ledger/history.h"

namespace velmora::browser {
namespace {

using platform::Answer;
using testing_desk::Desk;
using testing_desk::Lines;
using testing_desk::record;

const std::string kLaunchA = "launch \"C:\\\\Browser\\\\browser.exe http://a.example/x/\" -> task 1";
const Lines kFreshLaunch{"activate title \"ZOV\" -> ok", "activate task none wait -> failed", kLaunchA};
const Lines kReuse{"activate title \"ZOV\" -> ok", "activate task 1 wait -> ok", "send \"%D\"", "send \"^V\"",
                   "send \"{ENTER}\""};

void press(Desk& desk, std::string_view clip) {
    desk.clip(clip);
    desk.program.form1.Command2.on_click();
}

TEST(Browser, UrlAloneOpensInANewBrowserThenReusesIt) {
    Desk desk;
    ui::Form1& form1 = desk.program.form1;
    form1.Check1.set_checked(true);
    form1.Command2.set_caption("no stock");
    press(desk, "http://a.example/x/");
    EXPECT_EQ(desk.events(), kFreshLaunch);
    EXPECT_EQ(form1.BrowserTask, 1);
    EXPECT_EQ(form1.caption(), "!ZOV");
    EXPECT_EQ(form1.Command2.caption(), "ブラウザ");
    EXPECT_EQ(form1.Label6.caption(), "2001/05/10");
    EXPECT_EQ(form1.Label6.colour(), ui::Colour::Red);
    EXPECT_FALSE(form1.Check1.checked());
    EXPECT_EQ(form1.HisPending, 1);
    EXPECT_EQ(form1.CurUrl, "http://a.example/x/");

    desk.history({record("2001/03/01", "2001/03/31", "http://a.example/x/")});
    press(desk, "http://a.example/x/");
    EXPECT_EQ(desk.events(), kReuse);
    EXPECT_EQ(form1.caption(), "2001/03/01");
    EXPECT_EQ(desk.platform.clipboard_text(), "http://a.example/x/");
}

// A desktop where another program puts its own text on the clipboard while the program waits
// for the browser to come to the front; it notes what the clipboard held when Ctrl+V went out.
class BusyClipboardDesktop : public platform::MemoryPlatform {
public:
    bool activate_task(std::optional<platform::TaskId> task, platform::Wait wait) override {
        const bool ok = MemoryPlatform::activate_task(task, wait);
        set_clipboard_text("the user's copied password");
        return ok;
    }
    bool send_keys(std::string_view notation) override {
        if (notation == "^V") {
            pasted.push_back(clipboard_text());
        }
        return MemoryPlatform::send_keys(notation);
    }
    std::vector<std::string> pasted;
};

// The URL goes on the clipboard right before Alt+D, Ctrl+V, Enter, so the browser gets the
// contest, whatever happened to the clipboard during the questions and the wait.
TEST(Browser, TheUrlIsPutOnTheClipboardRightBeforeItIsPasted) {
    BusyClipboardDesktop desktop;
    desktop.set_now({2001, 5, 10, 9, 0, 0});
    ui::Program program(desktop);
    desktop.set_title_lookup([&program](std::string_view title) { return program.has_window_titled(title); });
    program.form1.Today = "2001/05/10";
    wire_browser_button(program);
    program.form1.BrowserTask = desktop.launch("C:\\Browser\\browser.exe http://a.example/");
    for (const char* contest : {"http://a.example/x/", "2001/05/31http://b.example/y/"}) {
        desktop.set_clipboard_text(contest);
        program.form1.Command2.on_click();
    }
    EXPECT_EQ(desktop.pasted, (Lines{"http://a.example/x/", "http://b.example/y/"}));
}

TEST(Browser, ClosedBrowserIsLaunchedAnew) {
    Desk desk;
    desk.program.form1.BrowserTask = 4;
    desk.platform.close_browsers();
    press(desk, "http://a.example/x/");
    EXPECT_EQ(desk.events(),
              (Lines{"activate title \"ZOV\" -> ok", "activate task 4 wait -> failed", kLaunchA}));
    EXPECT_EQ(desk.program.form1.BrowserTask, 1);
}

TEST(Browser, StockEntryShowsItsDeadlineAndOpensTheUrl) {
    Desk desk;
    press(desk, "2001/05/31http://a.example/x/");
    EXPECT_EQ(desk.events(), kFreshLaunch);
    EXPECT_EQ(desk.program.form1.Label6.caption(), "2001/05/31");
    EXPECT_EQ(desk.program.form1.Label6.colour(), ui::Colour::Normal);
    EXPECT_EQ(desk.program.form5.MonthView1.date(), (locale::CivilDate{2001, 5, 31}));
    EXPECT_EQ(desk.program.form1.CurUrl, "http://a.example/x/");
}

TEST(Browser, PassedDeadlineIsAskedAbout) {
    const std::string question = "ask yesno \"締切日を過ぎています\\r\\nそれでも表示しますか？\" -> ";
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        Desk desk;
        desk.answers({answer});
        press(desk, "2001/05/09http://a.example/x/");
        Lines expected{question + (answer == Answer::Yes ? "yes" : "no")};
        if (answer == Answer::Yes) {
            expected.insert(expected.end(), kFreshLaunch.begin(), kFreshLaunch.end());
        }
        EXPECT_EQ(desk.events(), expected);
        EXPECT_EQ(desk.program.form1.HisPending, answer == Answer::Yes ? 1 : 0);
        EXPECT_EQ(desk.program.form1.caption(), "!ZOV");
    }
}

TEST(Browser, LastOfSeveralUrlsIsOpened) {
    for (const char* clip : {"2001/05/31http://z.example/http://a.example/x/", "http://a.example/x/"}) {
        Desk desk;
        press(desk, std::string(clip));
        EXPECT_EQ(desk.program.form1.CurUrl, "http://a.example/x/");
        EXPECT_EQ(desk.events(), kFreshLaunch);
    }
    Desk desk;
    press(desk, "http://r.example/?to=http://a.example/x/");
    EXPECT_EQ(desk.program.form1.CurUrl, "http://a.example/x/");
}

TEST(Browser, AppliedAndStillOpenDeclinedOpensNothing) {
    Desk desk;
    desk.history({record("2001/04/20", "2001/05/31", "http://a.example/x/")});
    desk.answers({Answer::No});
    press(desk, "http://a.example/x/");
    const Lines events = desk.events();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(desk.program.form1.caption(), "応募済み");
    EXPECT_FALSE(desk.program.form1.BrowserTask.has_value());
}

TEST(Browser, TextWithoutUrlAsksAndOnYesIsOpenedAsItStands) {
    Desk desk;
    desk.answers({Answer::No});
    press(desk, "www.example.com");
    EXPECT_EQ(desk.events(), Lines{"ask yesno \"httpではないようですが表示しますか？\" -> no"});
    EXPECT_EQ(desk.program.form1.HisPending, 0);

    desk.answers({Answer::Yes, Answer::Ok});
    press(desk, "www.example.com");
    EXPECT_EQ(desk.events(), (Lines{"ask yesno \"httpではないようですが表示しますか？\" -> yes",
                                    "ask ok \"www.example.com\\r\\nこれって違うような・・・\" -> ok",
                                    "activate title \"ZOV\" -> ok", "activate task none wait -> failed",
                                    "launch \"C:\\\\Browser\\\\browser.exe www.example.com\" -> task 1"}));
    EXPECT_EQ(desk.program.form1.Label6.colour(), ui::Colour::Red);
    EXPECT_EQ(desk.program.form1.CurUrl, "www.example.com");
}

TEST(Browser, UpperCaseSchemeWithoutHttpIsNotCut) {
    Desk desk;
    desk.answers({Answer::Ok});
    press(desk, "2001/05/31HTTP://A.EXAMPLE/");
    EXPECT_EQ(desk.program.form1.CurUrl, "2001/05/31HTTP://A.EXAMPLE/");
    EXPECT_EQ(desk.program.form1.Label6.caption(), "2001/05/10");
}

struct LaunchRow {
    const char* name;
    std::optional<std::string> association;
    bool default_works;
    Lines events;
    std::optional<platform::TaskId> task;
};

const std::vector<LaunchRow> kLaunchRows = {
    {"PathCutAfterExeCaseKept",
     "C:\\Prog Files\\Web.EXE \"%1\"",
     true,
     {"launch \"C:\\\\Prog Files\\\\Web.EXE http://a.example/\" -> task 1"},
     1},
    {"NoAssociationUsesDefaultOpener", std::nullopt, true, {"open \"http://a.example/\" -> ok"}, 7},
    {"AnswerWithoutExeUsesDefaultOpener",
     "C:\\tools\\viewer.bat",
     true,
     {"open \"http://a.example/\" -> ok"},
     7},
    {"NothingOpensIsTold",
     std::nullopt,
     false,
     {"open \"http://a.example/\" -> failed",
      "ask ok \"ブラウザが見つかりませんでした。\\r\\nhttp://a.example/\" -> ok"},
     7},
};

class ShellAutoRows : public ::testing::TestWithParam<LaunchRow> {};

TEST_P(ShellAutoRows, FindsTheHtmlProgram) {
    const LaunchRow& row = GetParam();
    Desk desk;
    desk.platform.set_association(row.association);
    desk.platform.set_default_opener_works(row.default_works);
    desk.program.form1.BrowserTask = 7;
    desk.answers({Answer::Ok});
    ShellAuto(desk.program, "http://a.example/");
    EXPECT_EQ(desk.events(), row.events);
    EXPECT_EQ(desk.program.form1.BrowserTask, row.task);
}

INSTANTIATE_TEST_SUITE_P(Rows, ShellAutoRows, ::testing::ValuesIn(kLaunchRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BrowserButton, RightClickTakesTheFirstStockEntry) {
    Desk desk;
    desk.stock({"2001/05/31http://a.example/x/", "http://b.example/"});
    desk.program.form1.Command2.on_mousedown(ui::MouseButton::Left);
    EXPECT_EQ(desk.stock().size(), 2u);
    EXPECT_TRUE(desk.events().empty());

    desk.program.form1.Command2.on_mousedown(ui::MouseButton::Right);
    EXPECT_EQ(desk.events(), kFreshLaunch);
    EXPECT_EQ(desk.stock(), Lines{"http://b.example/"});
    EXPECT_EQ(desk.stock_file(), Lines{"http://b.example/"});
    EXPECT_EQ(desk.program.form1.Command2.caption(), "1 stock");
    EXPECT_EQ(desk.program.form1.Label6.caption(), "2001/05/31");

    desk.program.form1.Command2.on_mousedown(ui::MouseButton::Right);
    EXPECT_EQ(desk.program.form1.Command2.caption(), "no stock");
    EXPECT_EQ(desk.stock_file(), Lines{});
    desk.program.form1.Command2.on_mousedown(ui::MouseButton::Right);
    EXPECT_EQ(desk.program.form1.Command2.caption(), "no stock");
}

TEST(BrowserButton, DoubleClickedStockRowIsOpenedWithItsDeadline) {
    Desk desk;
    ledger::F2Show(desk.program);
    desk.stock({"http://b.example/", "2001/05/31http://a.example/x/"});
    desk.program.form2.List1.set_list_index(1);
    desk.program.form2.List1.on_dblclick();
    EXPECT_EQ(desk.events(), kFreshLaunch);
    EXPECT_EQ(desk.stock_file(), Lines{"http://b.example/"});
    EXPECT_FALSE(desk.program.form2.visible());
    EXPECT_TRUE(desk.program.form1.visible());
    EXPECT_EQ(desk.program.form1.Label6.caption(), "2001/05/31");
}

TEST(BrowserButton, ChosenDeadlineGoesIntoTheNextRecord) {
    Desk desk;
    press(desk, "http://a.example/x/page.html");
    desk.program.form1.Label6.on_click();
    desk.program.form5.MonthView1.set_date({2001, 6, 2});
    desk.program.form5.MonthView1.on_dateclick();
    ledger::HDK(desk.program);
    EXPECT_EQ(desk.history(), Lines{"2001/05/102001/06/020aaaahttp://a.example/x/page.html"});
    EXPECT_EQ(desk.program.form1.caption(), "2001/05/10 UP");
}

}  // namespace
}  // namespace velmora::browser

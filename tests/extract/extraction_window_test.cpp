// The extraction window's life: opening from "Mail", its settings file, the hidden full mode,
// the display settings, resizing and the dispatcher.
#include "extract_fixture.h"

#include <algorithm>
#include <filesystem>

#include "text/text.h"

namespace velmora::extract::testing {
namespace {

using WindowLife = ExtractFixture;

std::vector<std::string> settings_lines(std::string width, std::string height, std::vector<std::string> marks,
                                        std::vector<std::string> formats) {
    std::vector<std::string> lines{std::move(width), std::move(height)};
    lines.insert(lines.end(), marks.begin(), marks.end());
    lines.insert(lines.end(), formats.begin(), formats.end());
    return lines;
}

std::vector<std::string> all_formats(const char* mark) {
    return std::vector<std::string>(26, mark);
}

std::vector<bool> shown_formats(ui::Form3& form) {
    std::vector<bool> shown;
    for (int i = 0; i < form.pre.size(); ++i) {
        shown.push_back(form.pre[i].visible());
    }
    return shown;
}

std::vector<bool> marks(ui::Form3& form) {
    std::vector<bool> checked;
    for (int i = 0; i < form.mn3.size(); ++i) {
        checked.push_back(form.mn3[i].checked());
    }
    return checked;
}

const std::vector<bool> kDefaultShown = {true,  false, false, false, false, false, true,  false, false,
                                         true,  true,  false, false, false, true,  false, false, true,
                                         false, false, false, false, false, false, false, false};
const std::vector<bool> kDefaultMarks = {false, false, true, false, false};

TEST_F(WindowLife, MailPlacesTheWindowRightAlignedOnTopAndBackReturns) {
    program->form1.move(9000, 600);
    program->form1.set_size(2325, 5325);
    program->form1.show();
    program->discard_pending_activations();

    open_window();
    EXPECT_EQ(form().geometry(), (ui::Geometry{9000 + 2325 - 7335, 600, 7335, 6000}));
    EXPECT_TRUE(form().visible());
    EXPECT_FALSE(program->form1.visible());
    EXPECT_EQ(form().Today, "2001/05/10");
    EXPECT_EQ(desktop.take_events(), (std::vector<std::string>{"topmost Form3 266 40 489 400"}));

    form().menu0[0].on_click();
    EXPECT_FALSE(form().visible());
    EXPECT_TRUE(program->form1.visible());

    // Shown again: the window is still on top; the placement is not repeated.
    desktop.set_now({2001, 5, 11, 9, 0, 0});
    open_window();
    EXPECT_TRUE(form().visible());
    EXPECT_EQ(form().Today, "2001/05/11");
    EXPECT_TRUE(desktop.take_events().empty());
}

TEST_F(WindowLife, ReadingTheOptionsLoadsTheWindowWithoutShowingIt) {
    write_workfile("zov6.ini", settings_lines(" 7335 ", " 6000 ", {"True", "False", "False", "False", "True"},
                                              all_formats("True")));
    EXPECT_TRUE(form().mn3[0].checked());
    EXPECT_TRUE(form().mn3[4].checked());
    EXPECT_FALSE(form().visible());
    EXPECT_TRUE(desktop.take_events().empty());
}

TEST_F(WindowLife, WithoutASettingsFileTheDesignDefaultsApply) {
    EXPECT_EQ(form().width(), 7335);
    EXPECT_EQ(marks(form()), kDefaultMarks);
    EXPECT_EQ(shown_formats(form()), kDefaultShown);
    EXPECT_TRUE(form().Command3.visible());
}

TEST_F(WindowLife, SettingsSurviveCloseAndRestart) {
    open_window();
    form().set_size(8000, 5000);
    form().mn3[0].on_click();
    form().mn3[2].on_click();
    form().mn3[4].on_click();
    form().pre[6].set_visible(false);
    form().on_query_unload();
    EXPECT_FALSE(form().visible());
    EXPECT_TRUE(program->form1.visible());

    std::vector<std::string> expected{" 8000 ", " 5000 ", "True", "False", "False", "False", "True"};
    for (bool shown : kDefaultShown) {
        expected.emplace_back(shown ? "True" : "False");
    }
    expected[8 + 6 - 1] = "False";
    EXPECT_EQ(settings_file(), expected);

    restart();
    EXPECT_EQ(form().width(), 8000);
    EXPECT_EQ(form().height(), 5000);
    EXPECT_EQ(marks(form()), (std::vector<bool>{true, false, false, false, true}));
    EXPECT_FALSE(form().pre[6].visible());
    EXPECT_TRUE(form().pre[9].visible());
}

TEST_F(WindowLife, AFailedSaveIsReportedAndTheWindowStillCloses) {
    std::filesystem::create_directory(desktop.working_directory() / "zov6.ini");
    open_window();
    form().on_query_unload();
    const auto events = desktop.take_events();
    ASSERT_FALSE(events.empty());
    EXPECT_TRUE(text::starts_with(events.back(), "ask ok \"zov6.ini を保存できませんでした。"));
    EXPECT_FALSE(form().visible());
    EXPECT_TRUE(program->form1.visible());
}

TEST_F(WindowLife, TheHiddenFullModeEnablesEveryFormat) {
    for (bool as_directory : {true, false}) {
        const auto probe = desktop.working_directory() / store::path_of("ほしのゆめ");
        std::filesystem::remove_all(probe);
        if (as_directory) {
            std::filesystem::create_directory(probe);
        } else {
            std::ofstream(probe) << "";
        }
        restart();
        for (int i = 0; i < form().pre.size(); ++i) {
            EXPECT_TRUE(form().pre[i].enabled()) << i;
        }
        EXPECT_EQ(shown_formats(form()), kDefaultShown);
        EXPECT_FALSE(form().Command3.visible());

        SetViw(*program);
        EXPECT_EQ(form().List4.count(), 26);
        EXPECT_EQ(form().List4.selected_rows(), (std::vector<long>{0, 6, 9, 10, 14, 17}));
    }
}

struct BadFile {
    const char* what;
    std::vector<std::string> lines;
    long width;
    long height;
    std::vector<bool> marks;
    int formats_read;  // how many format lines were applied before the stop
};

TEST_F(WindowLife, AMalformedSettingsFileStopsQuietlyAtTheBadLine) {
    std::vector<std::string> formats = all_formats("True");
    std::vector<std::string> cut = formats;
    cut.resize(12);
    std::vector<std::string> bad_format = formats;
    bad_format[20] = "Yes";
    const BadFile cases[] = {
        {"empty file", {}, 7335, 6000, kDefaultMarks, 0},
        {"width not a number", settings_lines("wide", " 5000 ", {}, {}), 7335, 6000, kDefaultMarks, 0},
        {"height not a number",
         settings_lines(" 8000 ", "12ab", {"True", "True", "True", "True", "True"}, formats), 8000, 6000,
         kDefaultMarks, 0},
        {"negative height", settings_lines(" 8000 ", "-5", {}, {}), 8000, 6000, kDefaultMarks, 0},
        {"mark not True or False",
         settings_lines(" 8000 ", " 5000 ", {"True", "True", "1", "True", "True"}, formats),
         8000,
         5000,
         {true, true, true, false, false},
         0},
        {"file ends early",
         settings_lines(" 8000 ", " 5000 ", {"False", "False", "False", "False", "True"}, cut),
         8000,
         5000,
         {false, false, false, false, true},
         12},
        {"format not True or False",
         settings_lines(" 8000 ", " 5000 ", {"False", "False", "False", "False", "False"}, bad_format),
         8000,
         5000,
         {false, false, false, false, false},
         20},
    };
    std::filesystem::create_directory(desktop.working_directory() / store::path_of("ほしのゆめ"));
    for (const BadFile& c : cases) {
        SCOPED_TRACE(c.what);
        write_workfile("zov6.ini", c.lines);
        restart();
        EXPECT_EQ(form().width(), c.width);
        EXPECT_EQ(form().height(), c.height);
        EXPECT_EQ(marks(form()), c.marks);
        for (int i = 0; i < form().pre.size(); ++i) {
            const bool read = i < c.formats_read;
            EXPECT_EQ(form().pre[i].visible(), read || kDefaultShown[static_cast<std::size_t>(i)]) << i;
        }
        // The later steps are skipped: the full mode is not looked for.
        EXPECT_FALSE(form().pre[1].enabled());
        EXPECT_TRUE(form().Command3.visible());
        EXPECT_TRUE(desktop.take_events().empty());
    }
}

// A saved size beyond what a screen shows is held at the largest one before the window adds to
// it (on Windows a long has 32 bits: 2,147,483,647 + 500 would overflow); a number past that
// is no size, as before, and stops the load.
TEST_F(WindowLife, HugeSizesAreHeldAtTheLargestScreenSize) {
    const struct {
        const char* width;
        const char* height;
        long want_width;
        long want_height;
    } cases[] = {
        {" 2147483647 ", " 491506 ", ui::kLargestTwips, ui::kLargestTwips},
        {" 100000 ", " 1E+9 ", 100000, 6000},  // an exponent is no plain number
        {" 491505 ", " 8000.4 ", 491505, 8000},
        {" 2147483648 ", " 5000 ", 7335, 6000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        write_workfile("zov6.ini", settings_lines(c.width, c.height, {}, {}));
        restart();
        EXPECT_EQ(form().width(), c.want_width);
        EXPECT_EQ(form().height(), c.want_height);
        EXPECT_EQ(form().Frame1.geometry().width, c.want_width + 500);
        EXPECT_EQ(form().Frame1.geometry().height, c.want_height + 500);
    }
}

TEST_F(WindowLife, BlanksAroundValuesAreIgnored) {
    write_workfile("zov6.ini",
                   settings_lines("  9000", "4000  ", {" True ", "False", "True", "False", "False"},
                                  all_formats(" False")));
    EXPECT_EQ(form().width(), 9000);
    EXPECT_EQ(form().height(), 4000);
    EXPECT_TRUE(form().mn3[0].checked());
    EXPECT_EQ(shown_formats(form()), std::vector<bool>(26, false));
}

TEST_F(WindowLife, DisplaySettingsHideAFormatAndTheChoiceSurvivesARestart) {
    open_window();
    form().mn2[0].on_click();
    EXPECT_TRUE(form().mn2[0].checked());
    EXPECT_FALSE(form().Frame1.visible());
    EXPECT_TRUE(form().List4.visible());
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(form().menu0[i].enabled()) << i;
    }
    EXPECT_TRUE(form().menu0[3].enabled());
    EXPECT_EQ(
        form().List4.rows(),
        (std::vector<std::string>{"猫招く懸賞読本", "MyPresent", "◆懸賞ざんまいな生活マガジン【懸賞情報編】",
                                  "懸賞情報空間便", "感っ！無料", "ＩＰＳ懸賞情報マガジン"}));
    EXPECT_EQ(form().List4.selected_rows(), (std::vector<long>{0, 1, 2, 3, 4, 5}));

    form().List4.set_selected(4, false);  // 感っ！無料
    form().mn2[0].on_click();
    EXPECT_FALSE(form().pre[14].visible());
    EXPECT_TRUE(form().pre[17].visible());
    EXPECT_FALSE(form().mn2[0].checked());
    EXPECT_FALSE(form().List4.visible());
    EXPECT_TRUE(form().Frame1.visible());
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(form().menu0[i].enabled()) << i;
    }

    form().on_query_unload();
    restart();
    EXPECT_FALSE(form().pre[14].visible());
    EXPECT_TRUE(form().pre[0].visible());
}

TEST_F(WindowLife, TheFontItemDoesNothing) {
    const auto before = form().revision();
    form().mn2[1].on_click();
    EXPECT_EQ(form().revision(), before);
    EXPECT_FALSE(form().mn2[0].checked());
}

struct ResizeCase {
    long w, h;
    long list1_w, text1_w, text1_h, list4_w, list4_h;
};

TEST_F(WindowLife, ResizingFollowsTheWindowWithinItsLimits) {
    // Design sizes: List1 7065 wide, Text1 7065 x 3060, List4 7050 x 5145.
    const ResizeCase cases[] = {
        {8000, 7000, 7730, 7730, 4060, 7715, 6145},
        {301, 3001, 31, 31, 61, 16, 2146},
        {300, 3000, 31, 31, 61, 16, 2145},  // no width or Text1 height change at the limits
        {200, 901, 31, 31, 61, 16, 46},
        {5000, 900, 4730, 4730, 61, 4715, 46},
    };
    for (const ResizeCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        form().set_size(c.w, c.h);
        EXPECT_EQ(form().List1.geometry().width, c.list1_w);
        EXPECT_EQ(form().Text1.geometry().width, c.text1_w);
        EXPECT_EQ(form().Text1.geometry().height, c.text1_h);
        EXPECT_EQ(form().List4.geometry().width, c.list4_w);
        EXPECT_EQ(form().List4.geometry().height, c.list4_h);
        EXPECT_EQ(form().Frame1.geometry().width, c.w + 500);
        EXPECT_EQ(form().Frame1.geometry().height, c.h + 500);
    }
}

TEST_F(WindowLife, OptionMarksInvert) {
    form().mn3[2].on_click();
    form().mn3[3].on_click();
    EXPECT_EQ(marks(form()), (std::vector<bool>{false, false, false, true, false}));
}

TEST_F(WindowLife, ChoosingAFormatClearsTheListsAndParsesTheClipboard) {
    open_window();
    desktop.take_events();
    desktop.set_clipboard_text(
        "猫招く懸賞読本\r\n--∇--\r\n|[賞品]旅行券\r\n[ホームページ]\r\n[URL]http://a.example/x/\r\n"
        "[応募期間]2001/05/01～2001/05/31\r\n[内容]要会員登録\r\n\r\n寄せられた投稿\r\n\r\n");
    form().MailNo = 9;
    for (ui::ListBox* list : {&form().List1, &form().List2, &form().List3}) {
        list->add_item("old");
    }
    form().Text1.set_text("old details");

    form().pre[0].on_click();
    EXPECT_EQ(form().MailNo, 0);
    EXPECT_EQ(form().Text1.text(), "");
    EXPECT_EQ(form().List1.rows(), (std::vector<std::string>{"01 旅行券"}));
    EXPECT_EQ(form().List3.rows(),
              (std::vector<std::string>{"01 旅行券", "2001/05/31", "http://a.example/x/"}));
    EXPECT_EQ(form().List2.row(0), "--∇--");

    // A later click on the title runs the detail view (code 200).
    form().List1.set_list_index(0);
    form().List1.on_click();
    EXPECT_EQ(form().Label1.caption(), "会員登録！");
    EXPECT_TRUE(desktop.take_events().empty());
}

TEST_F(WindowLife, CodesOutsideTheTwoRangesAreRefused) {
    for (long mail_no : {26L, 31L, -1L}) {
        form().MailNo = mail_no;
        SelMail(*program, 1);
        SelMail(*program, 2);
        SelMail(*program, 3);
    }
    const auto events = desktop.take_events();
    // 126, 326, 131, 231, 331, 99, 199 and 299 are refused; 226 is a detail view.
    EXPECT_EQ(std::count(events.begin(), events.end(), "ask ok \"選択失敗\" -> ok"), 8);
}

}  // namespace
}  // namespace velmora::extract::testing

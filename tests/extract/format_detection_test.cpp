// 自動判別: the score of a parse, the rule that compares the parsers, and the window path on
// every sample newsletter of the 26 formats, which must give exactly what its own format gives.
#include "extract/format_detection.h"

#include <algorithm>

#include "extract_fixture.h"
#include "formats/newsletter_samples.h"

namespace velmora::extract::testing {
namespace {

namespace fs = std::filesystem;
using velmora::testing::clipboard_text_of;
using velmora::testing::expect_rows;
using velmora::testing::Expectation;
using velmora::testing::expectation_files;
using velmora::testing::read_expectation;

TEST(FormatDetection, DateTextsAreTenCharactersOfARealDay) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"2001/05/31", true}, {"2000/02/29", true},   {"2001/02/29", false},     {"2001/13/01", false},
        {"2001/5/31", false}, {"2001-05-31", false},  {"2001/05/3a", false},     {"", false},
        {"http://a/", false}, {" 2001/05/31", false}, {"２００１/05/31", false},
    };
    for (const auto& [text, date] : cases) {
        EXPECT_EQ(is_date_text(text), date) << text;
    }
}

TEST(FormatDetection, ACompleteContestHasATitleADateAndAUrl) {
    ui::Form3 form;
    form.Today = "2001/05/31";
    const auto entry = [&](std::string_view title, std::vector<std::string_view> data) {
        form.List1.add_item(title);
        form.List3.add_item(title);
        for (const std::string_view row : data) {
            form.List3.add_item(row);
        }
    };
    entry("01 旅行券", {"2001/05/31", "http://a.example/"});  // complete
    entry("02 図書カード", {"2001/05/31", "https://b/"});     // complete
    entry("03 お米", {"2001/05/31"});                         // no URL
    entry("04 ペン", {"2001/05/31", "応募はこちら"});         // a URL row without "htt"
    entry("05 ノート", {"未定", "http://e.example/"});        // no date
    entry("06 ", {"2001/05/31", "http://f.example/"});        // a number, no prize
    entry("07 時計", {"http://g.example/"});                  // a URL alone, no deadline
    entry("08 傘", {"2001/06/01", "URL:http://h.example/"});  // "htt" inside the row counts
    EXPECT_EQ(score_of(form), (ParseScore{3, 5, 1}));         // only 08's deadline is not today
}

ParserScores with(std::vector<std::pair<int, ParseScore>> formats, ParseScore generic) {
    ParserScores scores;
    for (const auto& [code, score] : formats) {
        scores.formats.at(static_cast<std::size_t>(code - 100)) = score;
    }
    scores.generic = generic;
    return scores;
}

TEST(FormatDetection, TheRuleRanksCompleteThenIncompleteThenCodeAndHandicapsTheGeneralExtractor) {
    struct Case {
        const char* what;
        ParserScores scores;
        long mail_no;
        Chosen why;
    };
    const std::vector<Case> cases = {
        {"most complete", with({{100, {3, 0, 3}}, {117, {5, 4, 5}}}, {}), 17, Chosen::Format},
        {"tie: more dated", with({{106, {5, 0, 2}}, {117, {5, 1, 3}}}, {}), 17, Chosen::Format},
        {"tie: fewer incomplete", with({{106, {5, 2, 5}}, {117, {5, 1, 5}}}, {}), 17, Chosen::Format},
        {"tie: lower code", with({{121, {4, 0, 4}}, {109, {4, 0, 4}}}, {}), 9, Chosen::Format},
        {"the general extractor within its handicap", with({{110, {3, 0, 3}}}, {8, 0, 8}), 10,
         Chosen::Format},
        {"beyond it in complete contests", with({{110, {3, 0, 3}}}, {9, 0, 0}), kGenericMailNo,
         Chosen::GenericOutscores},
        {"beyond it in dated contests", with({{123, {6, 0, 1}}}, {6, 0, 5}), kGenericMailNo,
         Chosen::GenericOutscores},
        {"dated within the handicap", with({{123, {6, 0, 1}}}, {6, 0, 4}), 23, Chosen::Format},
        {"one chance match against ten", with({{104, {1, 0, 1}}}, {10, 0, 10}), kGenericMailNo,
         Chosen::GenericOutscores},
        {"no format complete", with({{101, {0, 9, 0}}}, {2, 0, 2}), kGenericMailNo, Chosen::NoFormatFits},
        {"nothing complete: the most contests",
         with({{105, {0, 2, 0}}, {113, {0, 3, 0}}, {119, {0, 3, 0}}}, {0, 1, 0}), 13, Chosen::OnlyIncomplete},
        {"nothing at all", with({}, {}), kGenericMailNo, Chosen::NoFormatFits},
    };
    for (const Case& c : cases) {
        const Detection d = choose_parser(c.scores);
        EXPECT_EQ(d.mail_no, c.mail_no) << c.what;
        EXPECT_EQ(static_cast<int>(d.why), static_cast<int>(c.why)) << c.what;
    }
}

using AutomaticChoice = ExtractFixture;

// Everything a choice in 項目抽出 leaves in the window.
struct WindowState {
    long mail_no = 0;
    std::vector<std::string> lists[3];
    std::vector<std::string> lines;
    long line_no = 0, item_no = 0, mode = 0;
    std::string memo, pend, work, text1;
    bool operator==(const WindowState&) const = default;
};

WindowState state_of(const ui::Form3& f) {
    return {f.MailNo,
            {f.List1.rows().to_vector(), f.List2.rows().to_vector(), f.List3.rows().to_vector()},
            f.Lines.to_vector(),
            f.LineNo,
            f.ItemNo,
            f.Mode,
            f.Memo,
            f.Pend,
            f.Work,
            f.Text1.text()};
}

// The samples on which the format's own parser finds no complete contest (its edge cases): the
// rule gives them to the general extractor when that finds one, as it does here.
const std::vector<std::string> kGivenToTheGeneralExtractor = {
    "f109_no_marker",                   // the parser finds nothing before its marker; one contest is there
    "f113_block_no_deadline_ends_run",  // the parser stops at its first contest; two are there
    "f113_block_no_url",                // no contest at all: the general extractor's empty result
};

// The window path: each sample on the clipboard of a program just started, 自動判別 chosen from
// the menu. The whole state must be that of choosing the sample's format itself (or 汎用 for the
// few above), and the lists those of its .expect file.
TEST_F(AutomaticChoice, EverySampleNewsletterGivesWhatItsOwnFormatGives) {
    int own_format = 0;
    for (const fs::path& expect_file : expectation_files()) {
        const Expectation e = read_expectation(expect_file);
        const std::string name = expect_file.stem().string();
        const std::string newsletter = clipboard_text_of(fs::path(expect_file).replace_extension(".txt"));
        const bool own = std::find(kGivenToTheGeneralExtractor.begin(), kGivenToTheGeneralExtractor.end(),
                                   name) == kGivenToTheGeneralExtractor.end();
        desktop.set_now(e.now);
        desktop.set_clipboard_text(newsletter);
        restart();
        open_window();
        own ? form().pre[e.code - 100].on_click() : form().preGeneric.on_click();
        const WindowState chosen_by_hand = state_of(form());

        restart();
        open_window();
        form().Label1.set_colour(ui::Colour::Red);  // what a detail view may have left
        form().preAuto.on_click();
        EXPECT_TRUE(state_of(form()) == chosen_by_hand) << name;
        EXPECT_EQ(form().Label1.caption(), own ? form().pre[e.code - 100].caption() : "該当形式なし：汎用")
            << name;
        EXPECT_EQ(form().Label1.colour(), ui::Colour::Normal) << name;
        EXPECT_EQ(desktop.clipboard_text(), newsletter) << name;
        if (own) {
            expect_rows("List1", e.lists[0], form().List1.rows().to_vector(), name);
            expect_rows("List2", e.lists[1], form().List2.rows().to_vector(), name);
            expect_rows("List3", e.lists[2], form().List3.rows().to_vector(), name);
            ++own_format;
        }
    }
    EXPECT_EQ(own_format, 45);
}

// The state a parse starts from counts: format 102 keeps the Mode the last parse left, and the
// choice is scored and shown from that same state.
TEST_F(AutomaticChoice, AChoiceAfterAnotherParseIsStillTheFormatsOwn) {
    for (const char* stem : {"f101_weekly", "f102_weekly"}) {
        desktop.set_clipboard_text(clipboard_text_of(fs::path(VELMORA_TEST_DATA_DIR) / "newsletters" /
                                                     (std::string(stem) + ".txt")));
        open_window();
        form().preAuto.on_click();
    }
    const WindowState chosen = state_of(form());
    restart();
    desktop.set_clipboard_text(
        clipboard_text_of(fs::path(VELMORA_TEST_DATA_DIR) / "newsletters" / "f101_weekly.txt"));
    open_window();
    form().pre[1].on_click();
    desktop.set_clipboard_text(
        clipboard_text_of(fs::path(VELMORA_TEST_DATA_DIR) / "newsletters" / "f102_weekly.txt"));
    form().pre[2].on_click();
    EXPECT_TRUE(state_of(form()) == chosen);
    EXPECT_EQ(form().MailNo, 2);
}

TEST_F(AutomaticChoice, TheNewItemsComeFirstAlwaysOfferedAndNeverStored) {
    std::vector<std::string> settings(33, "False");  // every format hidden
    settings[0] = " 7335 ";
    settings[1] = " 6000 ";
    write_workfile("zov6.ini", settings);
    open_window();
    EXPECT_TRUE(form().preAuto.reachable());
    EXPECT_TRUE(form().preGeneric.reachable());
    EXPECT_FALSE(form().pre[0].visible());
    std::vector<std::string> order;
    for (const ui::Control* c : form().controls()) {
        if (c->kind() == ui::ControlKind::MenuItem &&
            static_cast<const ui::MenuItem*>(c)->parent() == &form().menu0[2]) {
            order.push_back(c->id());
        }
    }
    ASSERT_GE(order.size(), 4u);
    EXPECT_EQ(order[0], "preAuto");
    EXPECT_EQ(order[1], "preGeneric");
    EXPECT_EQ(order[2], "preBar");  // a rule before the formats
    EXPECT_EQ(order[3], "pre(0)");
    EXPECT_EQ(form().preBar.caption(), ui::kMenuRule);

    form().mn2[0].on_click();  // the display settings list the 26 formats only
    for (long row = 0; row < form().List4.count(); ++row) {
        EXPECT_NE(form().List4.row(row), "自動判別");
        EXPECT_NE(form().List4.row(row), "汎用");
    }
    form().mn2[0].on_click();
    form().on_query_unload();
    EXPECT_EQ(settings_file().size(), 33u);
}

// Nothing complete to find: the general extractor's empty result, said as such; or, when a format
// found an item without its deadline or URL, that format. Never a message box.
TEST_F(AutomaticChoice, ANewsletterWithoutCompleteContests) {
    struct Case {
        std::string text;
        long mail_no;
        long titles;
    };
    const std::vector<Case> cases = {
        {"", kGenericMailNo, 0},
        {"\r\n", kGenericMailNo, 0},
        {"こんにちは\r\n", kGenericMailNo, 0},
        {std::string(5000, '\xff'), kGenericMailNo, 0},
        {"締切 12/20\r\n", kGenericMailNo, 0},
        {"■\r\n【】\r\nhttp\r\n> ◆\r\n|[賞品]\r\n", 16, 1},  // format 116's marker, nothing under it
    };
    for (const Case& c : cases) {
        desktop.set_clipboard_text(c.text);
        open_window();
        form().preAuto.on_click();
        EXPECT_EQ(form().MailNo, c.mail_no) << c.text;
        EXPECT_EQ(form().List1.count(), c.titles) << c.text;
        EXPECT_EQ(form().Label1.caption(), c.mail_no == kGenericMailNo
                                               ? "該当形式なし：汎用"
                                               : form().pre[static_cast<int>(c.mail_no)].caption())
            << c.text;
        EXPECT_FALSE(desktop.unanswered().has_value()) << c.text;
    }
}

}  // namespace
}  // namespace velmora::extract::testing

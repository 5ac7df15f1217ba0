// Reviewing extracted contests: the detail view and its status, select-all, the internal lists,
// the import text and the continuous import with its expiry question.
#include "extract/review.h"
#include "extract/primitives.h"
#include "extract_fixture.h"
#include "text/text.h"

namespace velmora::extract::testing {
namespace {

struct Contest {
    std::string title;
    std::vector<std::string> details;
    std::vector<std::string> data;  // deadline and URL rows, as a parser gives them
};

class Review : public ExtractFixture {
protected:
    Review() {
        open_window();  // Today 2001/05/10
        desktop.take_events();
    }

    void fill(const std::vector<Contest>& contests) {
        Primitives x(form(), desktop);
        for (Contest c : contests) {
            x.LA0(c.title);
            for (const std::string& d : c.details) {
                x.LA2(d);
            }
            x.LA2("");
            for (const std::string& d : c.data) {
                x.LA3(d);
            }
        }
    }

    void click_title(long row) {
        form().List1.set_list_index(row);
        form().List1.set_selected(row, true);
        form().List1.on_click();
    }
};

struct DetailCase {
    const char* what;
    std::vector<std::string> details;
    std::vector<std::string> data;
    const char* caption;
    ui::Colour colour;
};

TEST_F(Review, ATitleClickShowsItsDetailsAndStatus) {
    const DetailCase cases[] = {
        {"open", {"抽選で5名"}, {"2001/05/11", "http://a.example/"}, "OK", ui::Colour::Normal},
        {"deadline today", {"抽選で5名"}, {"2001/05/10", "http://a.example/"}, "OK", ui::Colour::Normal},
        {"registration", {"要会員登録"}, {"2001/05/11", "http://a.example/"}, "会員登録！", ui::Colour::Red},
        {"over", {"抽選で5名"}, {"2001/05/09", "http://a.example/"}, "応募終了！", ui::Colour::Red},
        {"over and registration",
         {"要会員登録"},
         {"2001/05/09", "http://a.example/"},
         "応募終了！",
         ui::Colour::Red},
        {"no deadline row", {"抽選で5名"}, {}, "応募終了！", ui::Colour::Red},
        {"URL in the deadline row", {"抽選で5名"}, {"http://a.example/"}, "OK", ui::Colour::Normal},
    };
    for (const DetailCase& c : cases) {
        SCOPED_TRACE(c.what);
        form().List1.clear();
        form().List2.clear();
        form().List3.clear();
        fill({{"01 先の賞品", {"前の詳細"}, {"2001/06/01", "http://z.example/"}},
              {"02 賞品", c.details, c.data}});
        click_title(1);
        EXPECT_EQ(form().Text1.text(), "\r\n02 賞品\r\n" + c.details[0] + "\r\n\r\n");
        EXPECT_EQ(form().Label1.caption(), c.caption);
        EXPECT_EQ(form().Label1.colour(), c.colour);
    }
}

TEST_F(Review, TheDetailViewFindsTheTitleInsideALongerRow) {
    // The last title is found in the first detail row that contains it.
    fill({{"01 米", {"産地直送"}, {"2001/05/20", "http://a.example/"}}});
    form().List2.insert_item(0, "新米01 米セット");
    form().List2.insert_item(1, "");
    click_title(0);
    EXPECT_EQ(form().Text1.text(), "\r\n新米01 米セット\r\n\r\n");
}

TEST_F(Review, AClickWhileTheTitlesAreHiddenShowsNothing) {
    fill({{"01 賞品", {"要会員登録"}, {"2001/05/11", "http://a.example/"}}});
    form().List1.set_visible(false);
    click_title(0);
    EXPECT_EQ(form().Text1.text(), "");
    EXPECT_EQ(form().Label1.caption(), "チェック");
}

TEST_F(Review, SelectAllSelectsEveryTitleAndShowsTheListAgain) {
    fill({{"01 a", {}, {}}, {"02 b", {}, {}}, {"03 c", {}, {}}});
    form().Command2.on_click();
    EXPECT_EQ(form().List1.selected_rows(), (std::vector<long>{0, 1, 2}));
    EXPECT_TRUE(form().List1.visible());
    EXPECT_EQ(form().Text1.text(), "");  // no detail view ran
}

TEST_F(Review, TheInternalListsToggleEachOnItsOwn) {
    form().List3.set_visible(true);
    form().Command3.on_click();
    EXPECT_TRUE(form().List2.visible());
    EXPECT_FALSE(form().List3.visible());
    form().Command3.on_click();
    EXPECT_FALSE(form().List2.visible());
    EXPECT_TRUE(form().List3.visible());
}

TEST_F(Review, TheImportTextTakesTheTwoRowsAfterEachSelectedTitle) {
    fill({{" 01 a ", {}, {" 2001/05/31 ", "http://a.example/"}},
          {"02 b", {}, {"http://b.example/"}},  // no deadline row: the next title follows the URL
          {"03 c", {}, {"2001/06/01", "http://c.example/"}},
          {"04 d", {}, {}}});  // last in the data list, nothing after it
    form().List1.add_item("99 not in the data list");
    for (long row : {0, 1, 3, 4}) {
        form().List1.set_selected(row, true);
    }
    EXPECT_EQ(GetData(*program), "2001/05/31http://a.example/\r\nhttp://b.example/03 c\r\n\r\n");
}

TEST_F(Review, WithTheInternalListsShownTheImportOnlyCopies) {
    fill({{"01 a", {}, {"2001/05/31", "http://a.example/"}},
          {"02 b", {}, {"2001/05/01", "http://b.example/"}}});
    form().Command2.on_click();
    form().Command3.on_click();
    form().Command1.on_click();
    EXPECT_EQ(desktop.clipboard_text(), "2001/05/31http://a.example/\r\n2001/05/01http://b.example/\r\n");
    EXPECT_EQ(form().List1.count(), 2);
    EXPECT_EQ(form().Label1.caption(), "チェック");
    EXPECT_TRUE(desktop.take_events().empty());
}

class ContinuousImport : public Review {
protected:
    ContinuousImport() {
        fill({{"01 expired", {}, {"2001/05/09", "http://a.example/"}},
              {"02 today", {}, {"2001/05/10", "http://b.example/"}},
              {"03 expired too", {}, {"2001/04/30", "http://c.example/"}},
              {"04 no deadline", {}, {"http://d.example/"}},
              {"05 open", {}, {"2001/05/11", "http://e.example/"}}});
        form().Command2.on_click();
        form().Text1.set_text("details");
    }

    static std::string ask(const char* date) {
        return std::string("ask yesno \"") + date +
               "が締切です。応募しますか？\" title \"応募期限が切れています\"";
    }
};

TEST_F(ContinuousImport, ExpiredContestsAreAskedAboutWhenTheOptionIsMarked) {
    form().mn3[4].on_click();
    desktop.queue_answer(platform::Answer::Yes);
    desktop.queue_answer(platform::Answer::No);
    form().Command1.on_click();
    EXPECT_EQ(desktop.take_events(),
              (std::vector<std::string>{ask("2001/05/09") + " -> yes", ask("2001/04/30") + " -> no"}));
    EXPECT_EQ(form().Memo,
              "2001/05/09http://a.example/\r\n2001/05/10http://b.example/\r\nhttp://d.example/05 open\r\n"
              "2001/05/11http://e.example/\r\n");
    EXPECT_EQ(form().List1.count(), 0);
    EXPECT_EQ(form().Text1.text(), "");
    EXPECT_EQ(form().List2.count(), 10);  // the internal lists keep their rows
    EXPECT_EQ(form().List3.count(), 14);
    EXPECT_EQ(form().Label1.caption(), text::replace_all(program->form2.Command1.caption(), "\r\n", " "));
}

TEST_F(ContinuousImport, ExpiredContestsAreDroppedSilentlyOtherwise) {
    form().Command1.on_click();
    EXPECT_TRUE(desktop.take_events().empty());
    EXPECT_EQ(form().Memo,
              "2001/05/10http://b.example/\r\nhttp://d.example/05 open\r\n2001/05/11http://e.example/\r\n");
}

TEST_F(ContinuousImport, TheStockCountShowsOnOneLine) {
    program->form2.Command1.set_caption("12\r\nstock");
    form().Command1.on_click();
    EXPECT_EQ(text::contains(form().Label1.caption(), "\r\n"), false);
    EXPECT_EQ(form().Label1.caption(), text::replace_all(program->form2.Command1.caption(), "\r\n", " "));
}

TEST_F(ContinuousImport, NothingSelectedImportsTheEmptyText) {
    form().List1.clear_selection();
    desktop.set_clipboard_text("old");
    form().Command1.on_click();
    EXPECT_EQ(form().Memo, "");
    EXPECT_EQ(form().List1.count(), 0);
}

}  // namespace
}  // namespace velmora::extract::testing

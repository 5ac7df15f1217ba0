#include <functional>

#include "autofill/profile_grid.h"
#include "autofill/sending.h"
#include "autofill_fixture.h"

namespace velmora::autofill::testing {
namespace {

const std::string kSpace = "\u3000";

struct RowCase {
    const char* name;
    std::function<void(ui::Program&, int, const Hooks&)> button;
    std::vector<std::string> parts;  // parts 1 to 3 and the separator of row 2
    Events expected;                 // after the activation
};

class RowButtons : public AutofillTest {
protected:
    void fill_row(int r, const std::vector<std::string>& parts) {
        for (int k = 0; k < 4; ++k) {
            set_field(5 * r + 1 + k, parts[static_cast<std::size_t>(k)]);
        }
    }
};

TEST_F(RowButtons, EachButtonTypesItsTextsAndRecordsOnce) {
    const std::vector<RowCase> cases{
        {"join", Command1_Click, {"ab", "cd", "ef", "-"}, tab_text("abcdef")},
        {"join skips empty parts", Command1_Click, {"ab", "", "ef", ""}, tab_text("abef")},
        {"separator", Command5_Click, {"ab", "cd", "ef", "-"}, tab_text("ab-cd-ef")},
        {"empty separator",
         Command5_Click,
         {"ab", "cd", "ef", ""},
         tab_text("ab" + kSpace + "cd" + kSpace + "ef")},
        {"separator stops at empty part 2", Command5_Click, {"ab", "", "ef", "-"}, tab_text("ab")},
        {"separator with empty part 1", Command5_Click, {"", "cd", "", "-"}, tab_text("-cd")},
        {"separately",
         Command6_Click,
         {"ab", "cd", "ef", ""},
         [] {
             Events e = tab_text("ab");
             for (const char* t : {"cd", "ef"}) {
                 const Events more = tab_text(t);
                 e.insert(e.end(), more.begin(), more.end());
             }
             return e;
         }()},
        {"separately with a gap",
         Command6_Click,
         {"ab", "", "ef", ""},
         [] {
             Events e = tab_text("ab");
             const Events more = tab_text("ef");
             e.insert(e.end(), more.begin(), more.end());
             return e;
         }()},
        {"all parts empty", Command6_Click, {"", "", "", ""}, {}},
    };
    launch_browser();
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.name);
        fill_row(2, c.parts);
        const int before = sends;
        c.button(program, 2, hooks);
        EXPECT_EQ(platform.take_events(), activated_then({c.expected}));
        EXPECT_EQ(sends, before + 1);
    }
}

TEST_F(RowButtons, NothingIsTypedOrRecordedBeforeABrowserWasLaunched) {
    fill_row(0, {"ab", "cd", "ef", "-"});
    for (ui::Button* b : {&form().Command1[0], &form().Command5[0], &form().Command6[0]}) {
        b->on_click();
    }
    form().mn2[0].on_click();
    form().mn2[1].on_click();
    const Events failed(5, "activate task none wait -> failed");
    EXPECT_EQ(platform.take_events(), failed);
    EXPECT_EQ(sends, 0);
}

TEST_F(RowButtons, AClosedBrowserIsNotTypedInto) {
    launch_browser();
    platform.close_browsers();
    fill_row(0, {"ab", "", "", ""});
    form().Command1[0].on_click();
    EXPECT_EQ(platform.take_events(), Events{"activate task 1 wait -> failed"});
    EXPECT_EQ(sends, 0);
}

TEST_F(RowButtons, UserTextsAreTypedLiterallyNeverAsKeyNotation) {
    launch_browser();
    for (const char* text : {"a+b@example.jp", "50%", "(株)", "{", "~^[x]}"}) {
        SCOPED_TRACE(text);
        fill_row(5, {text, "", "", ""});
        form().Command1[5].on_click();
        EXPECT_EQ(platform.take_events(), activated_then({tab_text(text)}));
    }
}

TEST_F(RowButtons, TheRightButtonOffersThePartOfItsButton) {
    fill_row(3, {"p1", "p2", "p3", ""});
    form().Command1[3].on_mousedown(ui::MouseButton::Right);
    EXPECT_EQ(form().mn2[0].caption(), "p1");
    EXPECT_EQ(program.last_popup(), &form().mn3);
    form().Command5[3].on_mousedown(ui::MouseButton::Right);
    EXPECT_EQ(form().mn2[0].caption(), "p2");
    form().Command6[3].on_mousedown(ui::MouseButton::Right);
    EXPECT_EQ(form().mn2[0].caption(), "p3");
    form().Command1[3].on_mousedown(ui::MouseButton::Left);
    EXPECT_EQ(form().mn2[0].caption(), "p3");
    EXPECT_EQ(form().mn2[1].caption(), "TAB");
}

TEST_F(RowButtons, ThePopupAppendsOrSendsTabWrapped) {
    launch_browser();
    set_field(17, "x+y");
    form().Command5[3].on_mousedown(ui::MouseButton::Right);
    form().mn2[0].on_click();
    EXPECT_EQ(platform.take_events(),
              (Events{kActivated, send("{TAB}"), send("+({TAB})"), send("{RIGHT}"), type("x+y")}));
    form().mn2[1].on_click();
    EXPECT_EQ(platform.take_events(), activated_then({tab_text("x+y")}));
    EXPECT_EQ(sends, 2);
}

TEST_F(RowButtons, AnEmptyOfferedPartTypesNothingButStillRecords) {
    launch_browser();
    form().Command6[4].on_mousedown(ui::MouseButton::Right);
    form().mn2[0].on_click();
    EXPECT_EQ(platform.take_events(), Events{kActivated});
    EXPECT_EQ(sends, 1);
}

// Characters below U+0020 and U+007F never reach the keyboard from a user text: a carriage return
// would be Enter and could submit a form half filled. Everything else is typed as it stands.
TEST_F(RowButtons, ControlCharactersOfUserTextsAreNotTyped) {
    const struct {
        const char* text;
        const char* typed;
    } cases[] = {
        {"山田\r\n太郎", "山田太郎"},
        {"a\tb\x7f\x1b[0m", "ab[0m"},
        {"\x01x\x1f", "x"},
        {" ～〜€\u0080", " ～〜€\u0080"},  // a blank, and characters above U+007F, stay
    };
    launch_browser();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(typeable(c.text), c.typed);
        fill_row(5, {c.text, "", "", ""});
        form().Command1[5].on_click();
        EXPECT_EQ(platform.take_events(), activated_then({tab_text(c.typed)}));
        SendTabRightText(platform, c.text);
        EXPECT_EQ(platform.take_events(),
                  (Events{send("{TAB}"), send("+({TAB})"), send("{RIGHT}"), type(c.typed)}));
        EXPECT_EQ(form().Text[26].text(), c.text);  // the field keeps what the file held
    }
}

TEST_F(RowButtons, TheSendingPrimitivesSendNothingForTheEmptyText) {
    SendTabText(platform, "");
    SendTabRightText(platform, "");
    SendTabStep(platform, KeyStep{});
    EXPECT_TRUE(platform.take_events().empty());
}

}  // namespace
}  // namespace velmora::autofill::testing

#include "autofill/id_book.h"

#include <functional>

#include "autofill_fixture.h"
#include "store/store.h"

namespace velmora::autofill::testing {
namespace {

using Lines = std::vector<std::string>;

class IdBook : public AutofillTest {
protected:
    void enter(std::string_view title, std::string_view id, std::string_view password) {
        form().Text4.set_text(title);
        form().Text5.set_text(id);
        form().Text6.set_text(password);
        form().Text4.on_keydown(13);
        form().Text5.on_keydown(13);
        form().Text6.on_keydown(13);
    }
    void select(long row) { form().List2.set_list_index(row); }
    std::optional<Lines> saved() { return store::load_id_book(platform.program_directory()); }
};

TEST_F(IdBook, RegisteringAppendsAnEntryWithTheWholePasswordAndSaves) {
    enter("shop", "me", "pa/ss");
    EXPECT_EQ(form().IdTexts, (Lines{"shop/me/pa/ss", ""}));
    EXPECT_EQ(form().List2.rows(), Lines{"shop"});
    EXPECT_TRUE(form().List2.visible());
    EXPECT_FALSE(form().Command20.visible());
    EXPECT_EQ(saved(), Lines{"shop/me/pa/ss"});

    launch_browser();
    select(0);
    form().List2.on_dblclick();
    EXPECT_EQ(platform.take_events(), activated_then({tab_text("me"), tab_text("pa/ss")}));
    EXPECT_EQ(sends, 1);
}

// The password box is a password box; registering, by button or by Enter, empties all three
// boxes, so that neither "編集" nor a registration leaves a password on the screen for long.
TEST_F(IdBook, ThePasswordBoxIsMaskedAndTheBoxesAreEmptiedOnRegistering) {
    EXPECT_TRUE(form().Text6.password());
    EXPECT_FALSE(form().Text4.password());
    EXPECT_FALSE(form().Text5.password());
    const std::function<void()> registrations[] = {[this] { form().Text6.on_keydown(13); },
                                                   [this] { form().Command20.on_click(); }};
    for (const auto& register_boxes : registrations) {
        form().Text4.set_text("site");
        form().Text5.set_text("id");
        form().Text6.set_text("secret");
        register_boxes();
        EXPECT_EQ(form().Text4.text(), "");
        EXPECT_EQ(form().Text5.text(), "");
        EXPECT_EQ(form().Text6.text(), "");
    }
    EXPECT_EQ(form().IdTexts, (Lines{"site/id/secret", "site/id/secret", ""}));
    select(1);
    form().Command15.on_click();  // 編集 fills the boxes again, the password masked
    EXPECT_EQ(form().Text6.text(), "secret");
}

TEST_F(IdBook, EnterInTheFirstTwoBoxesRegistersNothing) {
    form().Text4.on_keydown(13);
    form().Text5.on_keydown(13);
    form().Text6.on_keydown(65);
    EXPECT_EQ(form().IdTexts, Lines{""});
    EXPECT_EQ(saved(), std::nullopt);
}

TEST_F(IdBook, EnterMovesTheFocusFromTitleToIdToPasswordAndNoOtherKeyDoes) {
    struct Step {
        ui::TextBox& box;
        int key;
        const ui::Control* focused_after;
    };
    const Step steps[] = {
        {form().Text4, 9, nullptr},        {form().Text4, 13, &form().Text5},
        {form().Text5, 65, &form().Text5}, {form().Text5, 13, &form().Text6},
        {form().Text4, 10, &form().Text6}, {form().Text6, 13, &form().Text6},
    };
    for (const Step& step : steps) {
        step.box.on_keydown(step.key);
        EXPECT_EQ(program.focused(), step.focused_after) << step.box.id() << " key " << step.key;
    }
    EXPECT_EQ(form().IdTexts, (Lines{"//", ""}));  // Enter in the password box registered
}

TEST_F(IdBook, AnEmptyIdTypesOnlyThePassword) {
    enter("t", "", "pw");
    launch_browser();
    select(0);
    form().List2.on_dblclick();
    EXPECT_EQ(platform.take_events(), activated_then({tab_text("pw")}));
    EXPECT_EQ(sends, 1);
}

TEST_F(IdBook, EditThenEnterAddsASecondEntryWithTheSameTitle) {
    enter("site", "id1", "pw1");
    select(0);
    form().Command15.on_click();
    EXPECT_EQ(form().Text4.text(), "site");
    EXPECT_EQ(form().Text5.text(), "id1");
    EXPECT_EQ(form().Text6.text(), "pw1");
    EXPECT_FALSE(form().List2.visible());
    EXPECT_TRUE(form().Command20.visible());
    form().Text5.set_text("id2");
    form().Text6.on_keydown(13);
    EXPECT_EQ(form().IdTexts, (Lines{"site/id1/pw1", "site/id2/pw1", ""}));
    EXPECT_EQ(form().List2.rows(), (Lines{"site", "site"}));
}

TEST_F(IdBook, DeletingKeepsOneSpareSlotAndDoesNotSave) {
    enter("a", "1", "x");
    enter("b", "2", "y");
    enter("c", "3", "z");
    select(1);
    form().Command11.on_click();
    EXPECT_EQ(form().IdTexts, (Lines{"a/1/x", "c/3/z", ""}));
    EXPECT_EQ(form().List2.rows(), (Lines{"a", "c"}));
    EXPECT_TRUE(form().Frame3.visible());
    EXPECT_EQ(saved(), (Lines{"a/1/x", "b/2/y", "c/3/z"}));
    select(1);
    form().Command11.on_click();
    select(0);
    form().Command11.on_click();
    EXPECT_EQ(form().IdTexts, Lines{""});
    EXPECT_EQ(form().List2.count(), 0);
    form().Command11.on_click();  // nothing selected any more
    EXPECT_EQ(form().IdTexts, Lines{""});
}

TEST_F(IdBook, MovingSwapsEntriesButNotPastTheEnds) {
    enter("a", "1", "x");
    enter("b", "2", "y");
    select(0);
    form().Command3.on_click();
    EXPECT_EQ(form().List2.rows(), (Lines{"a", "b"}));
    select(1);
    form().Command4.on_click();
    EXPECT_EQ(form().List2.rows(), (Lines{"a", "b"}));
    form().Command3.on_click();
    EXPECT_EQ(form().List2.rows(), (Lines{"b", "a"}));
    EXPECT_EQ(form().IdTexts, (Lines{"b/2/y", "a/1/x", ""}));
    EXPECT_EQ(form().List2.list_index(), 0);
    form().Command4.on_click();
    EXPECT_EQ(form().IdTexts, (Lines{"a/1/x", "b/2/y", ""}));
    EXPECT_EQ(form().List2.list_index(), 1);
}

TEST_F(IdBook, ANonEntryOrNoSelectionOrNoBrowserTypesNothing) {
    ASSERT_TRUE(store::save_id_book(platform.program_directory(), {"only/one", "plain"}).ok);
    load_id_book(program);
    EXPECT_EQ(form().List2.rows(), (Lines{"only", "plain"}));
    launch_browser();
    for (long row : {-1L, 0L, 1L}) {
        select(row);
        form().List2.on_dblclick();
    }
    EXPECT_TRUE(platform.take_events().empty());
    EXPECT_EQ(sends, 0);

    enter("t", "i", "p");
    platform.close_browsers();
    select(2);
    form().List2.on_dblclick();
    EXPECT_EQ(platform.take_events(), Events{"activate task 1 wait -> failed"});
    EXPECT_EQ(sends, 0);
}

TEST_F(IdBook, PanelSwitchesAndRightButtonToggles) {
    form().Command12.on_click();
    EXPECT_TRUE(form().Frame3.visible());
    EXPECT_FALSE(form().Frame4.visible());
    EXPECT_TRUE(form().List2.visible());
    EXPECT_FALSE(form().Command20.visible());
    EXPECT_FALSE(form().Check1.visible());
    form().Command14.on_click();
    EXPECT_TRUE(form().Frame4.visible());
    form().Command7.on_click();
    EXPECT_FALSE(form().Frame3.visible());
    EXPECT_FALSE(form().Frame4.visible());
    EXPECT_TRUE(form().Check1.visible());

    form().Command12.on_mousedown(ui::MouseButton::Right);
    form().Command14.on_mousedown(ui::MouseButton::Right);
    form().Command12.on_mousedown(ui::MouseButton::Left);
    EXPECT_EQ(layouts, (std::vector<int>{1, 0}));
}

TEST(IdBookWiring, TheTwoArgumentWiringStillRecordsAfterASend) {
    platform::MemoryPlatform platform;
    ui::Program program(platform);
    int sends = 0;
    wire_autofill(program, [&] { ++sends; });
    program.form1.BrowserTask = platform.launch("b");
    program.form1.Text[1].set_text("x");
    program.form1.Command1[0].on_click();
    program.form1.Command14.on_mousedown(ui::MouseButton::Right);  // no layout switch given: harmless
    EXPECT_EQ(sends, 1);
}

}  // namespace
}  // namespace velmora::autofill::testing

#include "autofill/flowchart_editor.h"
#include "autofill/flowchart_list.h"
#include "autofill/recorder.h"
#include "autofill_fixture.h"
#include "store/store.h"

namespace velmora::autofill::testing {
namespace {

using Lines = std::vector<std::string>;
constexpr int kTab = -1;  // "TAB" among the fields of a recording

class FlowchartPanel : public AutofillTest {
protected:
    FlowchartPanel() {
        form().Frame4.set_visible(true);
        for (int n : {4, 9, 14}) {
            set_field(n, "f" + std::to_string(n));
        }
    }
    void focus(int n) { form().Text[n].on_gotfocus(); }
    void record(std::string_view title, std::initializer_list<int> fields_then_tab) {
        form().Command8.on_click();
        for (int n : fields_then_tab) {
            if (n == kTab) {
                form().Command9.on_click();
            } else {
                focus(n);
            }
        }
        form().Text3.set_text(title);
        form().Command10.on_click();
    }
    void add(std::string_view title, std::string_view code) {
        form().List3.add_item(title);
        form().FlowTexts.back() = std::string(code);
        form().FlowTexts.emplace_back();
    }
    void open(long row) {
        form().List3.set_list_index(row);
        form().Command19.on_click();
    }
    void button(int i) { form().Command21[i].on_click(); }
    std::optional<std::vector<store::Flowchart>> saved() {
        return store::load_flowcharts(platform.program_directory());
    }
};

TEST_F(FlowchartPanel, RecordingStoresTheCodeAndSavesTheList) {
    form().move(1000, 500);
    form().set_width(ui::kWideWidth);
    form().Command8.on_click();
    EXPECT_TRUE(form().Frame2.visible());
    EXPECT_FALSE(form().Command8.enabled());
    EXPECT_TRUE(form().Command9.enabled() && form().Command10.enabled());
    focus(4);
    EXPECT_EQ(form().Label5.caption(), "f4");
    focus(9);
    EXPECT_EQ(form().Label5.caption(), "f4f9");
    form().Command9.on_click();
    EXPECT_EQ(form().Label5.caption(), "");
    focus(14);
    EXPECT_EQ(form().Label5.caption(), "f14");
    form().Command9.on_click();
    form().Text7.set_text("3");
    form().Command13[0].on_click();
    EXPECT_EQ(form().Label5.caption(), "上3");
    form().Text3.set_text("site");
    form().Command10.on_click();

    EXPECT_EQ(form().FlowTexts, (Lines{"0409%T14%T%U03%T", ""}));
    EXPECT_EQ(form().List3.rows(), Lines{"site"});
    EXPECT_EQ(form().EditMode, 0);
    EXPECT_FALSE(form().Frame2.visible());
    EXPECT_TRUE(form().Command8.enabled());
    EXPECT_FALSE(form().Command9.enabled() || form().Command10.enabled());
    EXPECT_EQ(form().left(), 1000 + ui::kWideShift);
    EXPECT_EQ(form().width(), ui::kNarrowWidth);
    EXPECT_EQ(saved(), (std::vector<store::Flowchart>{{"site", "0409%T14%T%U03%T"}}));
}

TEST_F(FlowchartPanel, DirectionCountsAndAnEmptyRecording) {
    form().Command8.on_click();
    focus(4);
    form().Text7.set_text("");
    form().Command13[3].on_click();
    EXPECT_EQ(form().Label5.caption(), "下0");
    form().Text7.set_text("12");
    form().Command13[1].on_click();
    form().Command10.on_click();
    record("empty", {});
    EXPECT_EQ(form().FlowTexts, (Lines{"04%D00%T%L12%T", "", ""}));
}

TEST_F(FlowchartPanel, FieldFocusOutsideRecordingAddsNothing) {
    focus(4);
    EXPECT_EQ(form().FlowBuf, "");
    form().Text3.set_text("タイトル");
    form().Text3.on_gotfocus();
    EXPECT_EQ(form().Text3.sel_start(), 0);
    EXPECT_EQ(form().Text3.sel_length(), 4);
}

TEST_F(FlowchartPanel, TheEditorShowsOneLinePerSegmentAndFinishesToTheSameCode) {
    add("site", "0409%T14%T%U03%T");
    open(0);
    EXPECT_EQ(layouts, std::vector<int>{0});
    EXPECT_EQ(form().EditMode, 2);
    EXPECT_EQ(form().Text1.text(), "site");
    EXPECT_EQ(form().List4.rows(), (Lines{"f4f9", "f14", "上03", ""}));
    EXPECT_EQ(form().List5.rows(), (Lines{"0409", "T14", "U03", "T"}));
    EXPECT_EQ(form().List4.list_index(), 0);
    EXPECT_TRUE(form().Label5.visible());
    button(3);
    EXPECT_EQ(form().FlowTexts, (Lines{"0409%T14%T%U03%T", ""}));
    EXPECT_EQ(layouts, (std::vector<int>{0, 1}));
    EXPECT_FALSE(form().Frame1.visible());
    EXPECT_EQ(form().EditMode, 0);
}

TEST_F(FlowchartPanel, WellFormedCodesSurviveTheEditorUnchanged) {
    for (const char* code : {"0102%T06%T04%T%D02%T", "%T%T", "%U03%T14%T", "0102", "01%T%L10%T%R00%T99"}) {
        SCOPED_TRACE(code);
        add("x", code);
        open(form().List3.count() - 1);
        button(3);
        EXPECT_EQ(form().FlowTexts[static_cast<std::size_t>(form().List3.count() - 1)], code);
    }
}

TEST_F(FlowchartPanel, ADirectionDropsTheFieldsBeforeItInTheEditor) {
    add("x", "04%U01%T");
    open(0);
    EXPECT_EQ(form().List4.rows(), (Lines{"上01", ""}));
    EXPECT_EQ(form().List5.rows(), (Lines{"U01", "T"}));
}

TEST_F(FlowchartPanel, AnEmptyFlowchartOpensEmptyAndTheLineButtonsDoNothing) {
    add("x", "");
    open(0);
    EXPECT_EQ(form().List4.count(), 0);
    EXPECT_EQ(form().List4.list_index(), -1);
    focus(4);
    for (int i : {0, 1, 2}) {
        button(i);
    }
    EXPECT_EQ(form().List4.count(), 0);
}

TEST_F(FlowchartPanel, EditingLinesRebuildsTheCode) {
    add("x", "0409%T14%T");
    open(0);
    form().List4.set_list_index(1);
    focus(9);
    focus(4);
    EXPECT_EQ(form().Label5.caption(), "f9f4");
    button(0);  // 上書
    EXPECT_EQ(form().List4.rows(), (Lines{"f4f9", "f9f4", ""}));
    EXPECT_EQ(form().List5.rows(), (Lines{"0409", "T0904", "T"}));
    form().List4.set_list_index(2);
    form().Text2.set_text("2");
    button(7);  // 下
    EXPECT_EQ(form().Label5.caption(), "下02");
    button(1);  // 挿入
    EXPECT_EQ(form().List5.rows(), (Lines{"0409", "T0904", "D02", "T"}));
    form().List4.set_list_index(0);
    button(2);  // 削除
    button(2);  // no line selected any more
    EXPECT_EQ(form().List4.rows(), (Lines{"f9f4", "下02", ""}));
    button(3);
    EXPECT_EQ(form().FlowTexts[0], "0904%T%D02%T");
}

TEST_F(FlowchartPanel, InsertingAtTheTopKeepsTheStepsAligned) {
    add("x", "04%T09%T");
    open(0);
    focus(14);
    button(1);  // 挿入 at line 0
    EXPECT_EQ(form().List4.rows(), (Lines{"f14", "f4", "f9", ""}));
    button(3);
    EXPECT_EQ(form().FlowTexts[0], "14%T04%T09%T");
}

TEST_F(FlowchartPanel, ClearAndAnEmptyOverwriteMakeAnEmptyStep) {
    add("x", "04%T09%T");
    open(0);
    form().List4.set_list_index(1);
    button(8);  // Clear
    button(0);
    form().List4.set_list_index(0);
    button(0);  // an empty first line
    button(3);
    EXPECT_EQ(form().FlowTexts[0], "%T%T");
}

TEST_F(FlowchartPanel, ADirectionLineClickedAndWrittenBackKeepsItsCount) {
    add("x", "04%T%L05%T");
    open(0);
    form().List4.set_list_index(1);
    form().List4.on_click();
    EXPECT_EQ(form().Text2.text(), "05");
    button(0);
    EXPECT_EQ(form().List4.rows(), (Lines{"f4", "左05", ""}));
    form().List4.set_list_index(0);
    form().List4.on_click();
    EXPECT_EQ(form().Text2.text(), "1");
    button(3);
    EXPECT_EQ(form().FlowTexts[0], "04%T%L05%T");
}

TEST_F(FlowchartPanel, FinishingWithNoFlowchartSelectedKeepsTheEditAsANewOne) {
    add("a", "04%T");
    open(0);
    form().Text1.set_text("b");
    form().List3.set_list_index(-1);
    button(3);
    EXPECT_EQ(form().List3.rows(), (Lines{"a", "b"}));
    EXPECT_EQ(form().FlowTexts, (Lines{"04%T", "04%T", ""}));
}

TEST_F(FlowchartPanel, MovingKeepsTitlesWithTheirCodes) {
    add("a", "01%T");
    add("b", "02%T");
    add("c", "03%T");
    form().List3.set_list_index(0);
    form().Command16.on_click();
    form().List3.set_list_index(2);
    form().Command17.on_click();
    EXPECT_EQ(form().List3.rows(), (Lines{"a", "b", "c"}));
    form().Command16.on_click();
    EXPECT_EQ(form().List3.rows(), (Lines{"a", "c", "b"}));
    EXPECT_EQ(form().FlowTexts, (Lines{"01%T", "03%T", "02%T", ""}));
    EXPECT_EQ(form().List3.list_index(), 1);
    EXPECT_TRUE(form().List3.visible());
}

TEST_F(FlowchartPanel, DeletingKeepsExactlyOneSpareSlotAndSavesNothing) {
    record("a", {4, kTab});
    add("b", "09%T");
    form().List3.set_list_index(0);
    form().Command18.on_click();
    EXPECT_EQ(form().List3.rows(), Lines{"b"});
    EXPECT_EQ(form().FlowTexts, (Lines{"09%T", ""}));
    EXPECT_EQ(form().List3.list_index(), -1);
    form().Command18.on_click();
    EXPECT_EQ(form().FlowTexts, (Lines{"09%T", ""}));
    EXPECT_EQ(saved(), (std::vector<store::Flowchart>{{"a", "04%T"}}));
}

TEST_F(FlowchartPanel, ACombinedTextWithoutTheJoinIsATitleWithNoCode) {
    form().FlowTexts = {"t%0c%0d", "plain", ""};
    AddList3a(program);
    EXPECT_EQ(form().List3.rows(), (Lines{"t", "plain"}));
    EXPECT_EQ(form().FlowTexts, (Lines{"c%0d", "", ""}));
}

TEST_F(FlowchartPanel, TheListComesBackFromItsFile) {
    record("a", {4, 9, kTab});
    record("b", {14, kTab});
    form().List3.clear();
    form().FlowTexts = {""};
    load_flowcharts(program);
    EXPECT_EQ(form().List3.rows(), (Lines{"a", "b"}));
    EXPECT_EQ(form().FlowTexts, (Lines{"0409%T", "14%T", ""}));
}

}  // namespace
}  // namespace velmora::autofill::testing

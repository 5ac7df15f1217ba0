// The user's own key or click stops a run of sends of every kind: nothing after it is typed,
// no history is recorded, and the status line says that the typing was stopped.
#include "autofill/id_book.h"
#include "autofill/sending.h"
#include "autofill_fixture.h"

namespace velmora::autofill::testing {
namespace {

enum class RunKind { Join, Separator, Separately, Popup, IdEntry, Flowchart };

struct StopRow {
    const char* name;
    RunKind run;
    int stop_after;
    Events typed;  // what reaches the browser after the activation
};

class StopRuns : public AutofillTest, public ::testing::WithParamInterface<StopRow> {
protected:
    void prepare() {
        set_field(1, "ab");
        set_field(2, "cd");
        set_field(3, "ef");
        form().mn2[0].set_caption("xy");
        form().IdTexts = {"site/me/pw", ""};
        AddList2a(program);
        form().List2.set_list_index(0);
        form().List3.add_item("t");
        form().FlowTexts = {"01%T02%T03%T", ""};
        form().List3.set_list_index(0);
        launch_browser();
    }
    void start(RunKind run) {
        switch (run) {
            case RunKind::Join:
                form().Command1[0].on_click();
                break;
            case RunKind::Separator:
                form().Command5[0].on_click();
                break;
            case RunKind::Separately:
                form().Command6[0].on_click();
                break;
            case RunKind::Popup:
                form().mn2[1].on_click();
                break;
            case RunKind::IdEntry:
                form().List2.on_dblclick();
                break;
            case RunKind::Flowchart:
                form().List3.on_dblclick();
                break;
        }
    }
};

TEST_P(StopRuns, NothingMoreIsTypedAndNoHistoryIsRecorded) {
    const StopRow& row = GetParam();
    prepare();
    form().set_caption("!ZOV");
    platform.stop_next_run_after(row.stop_after);
    start(row.run);
    EXPECT_EQ(platform.take_events(), activated_then({row.typed}));
    EXPECT_EQ(sends, 0);
    EXPECT_EQ(form().caption(), kSendsStoppedCaption);

    // The next run is not stopped: typed whole, recorded once, the status line left alone.
    form().set_caption("!ZOV");
    start(row.run);
    EXPECT_EQ(sends, 1);
    EXPECT_EQ(form().caption(), "!ZOV");
}

const Events kTabBack{send("{TAB}"), send("+({TAB})")};

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfRun, StopRuns,
    ::testing::Values(StopRow{"JoinBeforeItsText", RunKind::Join, 2, kTabBack},
                      StopRow{"SeparatorAfterItsText",
                              RunKind::Separator,
                              3,
                              {send("{TAB}"), send("+({TAB})"), type("ab\u3000cd\u3000ef")}},
                      StopRow{"SeparatelyAfterThePartOne",
                              RunKind::Separately,
                              5,
                              {send("{TAB}"), send("+({TAB})"), type("ab"), send("{TAB}"), send("{TAB}")}},
                      StopRow{"PopupAtOnce", RunKind::Popup, 0, {}},
                      StopRow{"IdEntryBeforeThePassword", RunKind::IdEntry, 4, tab_text("me")},
                      StopRow{"FlowchartInItsSecondStep",
                              RunKind::Flowchart,
                              6,
                              {send("{TAB}"), send("+({TAB})"), type("ab"), send("{TAB}"), send("{TAB}"),
                               send("+({TAB})")}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::autofill::testing

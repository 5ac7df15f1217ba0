#include "autofill/runner.h"
#include "autofill/flowchart_code.h"
#include "autofill_fixture.h"
#include "text/step_count.h"

namespace velmora::autofill::testing {
namespace {

const std::string kSpace = "\u3000";

class Runner : public AutofillTest {
protected:
    // Adds a flowchart and double-clicks it.
    void run(std::string_view code) {
        form().List3.add_item("t");
        form().FlowTexts.back() = std::string(code);
        form().FlowTexts.emplace_back();
        form().List3.set_list_index(form().List3.count() - 1);
        form().List3.on_dblclick();
    }
};

Events keys_step(std::string_view keys) {
    return {send("{TAB}"), send("+({TAB})"), send(keys), send("{TAB}")};
}

struct CodeCase {
    const char* code;
    std::vector<Events> steps;
};

TEST_F(Runner, CodesBecomeStepsTypedIntoConsecutiveFields) {
    set_field(1, "ab");
    set_field(2, "cd");
    set_field(6, "me@example.jp");
    const std::vector<CodeCase> cases{
        {"0102%T", {tab_text("abcd")}},
        {"0102", {}},
        {"%T%T", {tab_text(kSpace), tab_text(kSpace)}},
        {"03%T", {tab_text(kSpace)}},  // an empty ordinary field: the step is empty
        {"04%T", {tab_text(kSpace)}},
        {"0104%T", {tab_text("ab" + kSpace)}},
        {"01%U03%T", {keys_step("{UP 3}")}},
        {"%R00%T", {keys_step("{RIGHT 0}")}},
        {"%L12%T%D03%T", {keys_step("{LEFT 12}"), keys_step("{DOWN 3}")}},
        {"99%T", {tab_text(kSpace)}},
        {"0102%T06%T04%T%D02%T",
         {tab_text("abcd"), tab_text("me@example.jp"), tab_text(kSpace), keys_step("{DOWN 2}")}},
        {"01%T02", {tab_text("ab")}},
    };
    launch_browser();
    for (const CodeCase& c : cases) {
        SCOPED_TRACE(c.code);
        const int before = sends;
        run(c.code);
        Events expected{kActivated};
        for (const Events& step : c.steps) {
            expected.insert(expected.end(), step.begin(), step.end());
        }
        EXPECT_EQ(platform.take_events(), expected);
        EXPECT_EQ(sends, before + 1);
        EXPECT_EQ(form().SendSteps.size(), c.steps.size() + 1);
        EXPECT_EQ(form().SendSteps.back(), "");
    }
}

TEST_F(Runner, AnEmptySeparatorFieldGivesTheIdeographicSpaceOnlyAsItsOwnToken) {
    set_field(1, "ab");
    // " 4" reads as field 4 but is no separator token: an empty field 4 then adds nothing.
    EXPECT_EQ(translate_code(form(), "01 4%T"), (std::vector<KeyStep>{{"", "ab"}}));
    EXPECT_EQ(translate_code(form(), "0164%T"), (std::vector<KeyStep>{{"", "ab" + kSpace}}));
}

TEST_F(Runner, FieldTextsAfterAnArrowGroupAreTypedLiterally) {
    set_field(1, "{UP 3}");
    launch_browser();
    run("%U03"
        "01%T");
    EXPECT_EQ(platform.take_events(), (Events{kActivated, send("{TAB}"), send("+({TAB})"), send("{UP 3}"),
                                              type("{UP 3}"), send("{TAB}")}));
}

TEST_F(Runner, UserTextsInStepsAreNeverKeyNotation) {
    set_field(1, "a+b@example.jp");
    set_field(2, "50%");
    set_field(3, "(株)");
    set_field(5, "{");
    launch_browser();
    run("01%T02%T03%T05%T");
    EXPECT_EQ(platform.take_events(),
              activated_then({tab_text("a+b@example.jp"), tab_text("50%"), tab_text("(株)"), tab_text("{")}));
}

// A long code (zov3.ini may hold anything) is read from its start to its end once: doubling it at
// most doubles the characters walked, for the runner and for the editor's line texts alike.
TEST_F(Runner, DoublingACodeAtMostDoublesTheWork) {
    set_field(1, "山田");
    const auto work = [this](int repeats) {
        std::string code;
        for (int i = 0; i < repeats; ++i) {
            code += "01ああ%T%U03%T99";
        }
        const text::StepCount steps;
        const std::vector<KeyStep> translated = translate_code(form(), code);
        const std::string joined = AddList4a(form(), code);
        EXPECT_EQ(translated.size(), 2u * static_cast<std::size_t>(repeats));
        return steps.taken();
    };
    const std::uint64_t once = work(2000);
    const std::uint64_t twice = work(4000);
    EXPECT_LE(twice, 2 * once + once / 10);
    EXPECT_LE(once, 10u * 2000 * 14);  // a few steps for each of the code's characters
}

// Control characters in a profile text (a data file may hold a carriage return) are not typed;
// the field keeps them.
TEST_F(Runner, ControlCharactersInStepsAreNotTyped) {
    set_field(1, "a\rb");
    set_field(2, "\t\x7f\x01");
    launch_browser();
    run("01%T02%T");
    EXPECT_EQ(platform.take_events(),
              activated_then({tab_text("ab"), {send("{TAB}"), send("+({TAB})"), send("{TAB}")}}));
    EXPECT_EQ(form().Text[1].text(), "a\rb");
}

TEST_F(Runner, NothingHappensWithoutABrowserOrASelection) {
    set_field(1, "ab");
    run("01%T");
    EXPECT_EQ(platform.take_events(), Events{"activate task none wait -> failed"});
    form().List3.set_list_index(-1);
    form().List3.on_dblclick();
    EXPECT_TRUE(platform.take_events().empty());
    EXPECT_EQ(sends, 0);
}

}  // namespace
}  // namespace velmora::autofill::testing

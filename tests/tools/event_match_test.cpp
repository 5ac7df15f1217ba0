// Matching the desktop's event lines against expected ones, with "*" standing for one word.

#include <gtest/gtest.h>

#include "shell/scenario/event_match.h"

namespace velmora::shell::scenario {
namespace {

struct MatchCase {
    const char* expected;
    const char* actual;
    bool matches;
};

TEST(EventMatch, WildcardsStandForOneWordNumberOrText) {
    const MatchCase cases[] = {
        {"topmost Form3 * * * *", "topmost Form3 10 20 155 355", true},
        {"topmost Form3 * * * *", "topmost Form2 10 20 155 355", false},
        {"topmost Form3 * * *", "topmost Form3 10 20 155 355", false},
        {"topmost Form3 * * * * *", "topmost Form3 10 20 155 355", false},
        {"tray add *", "tray add \"13:05:09\"", true},
        {"ask yesno * -> yes", "ask yesno \"応募済み\\r\\nよろしいですか\" -> yes", true},
        {"ask yesno * -> yes", "ask yesno \"x\" -> no", false},
        {"ask ok * title * -> ok", "ask ok \"a b\" title \"T\" -> ok", true},
        {"ask ok * -> ok", "ask ok \"a b\" title \"T\" -> ok", false},
        {"launch \"*\" -> task 1", "launch \"C:\\\\b.exe http://a/\" -> task 1", false},
        {"launch \"*\" -> task 1", "launch \"*\" -> task 1", true},
        {"send \"{TAB}\"", "send \"{TAB}\"", true},
        {"send \"{TAB}\"", "send {TAB}", false},
        {"type \"\\u{3000}x\"", "type \"\u3000x\"", true},
        {"type \"\\u{1F}\"", "type \"\\u{1f}\"", true},
        {"*", "tray delete", false},
        {"tray  delete", "tray delete", true},
    };
    for (const MatchCase& c : cases) {
        EXPECT_EQ(event_line_matches(c.expected, c.actual), c.matches) << c.expected << " / " << c.actual;
    }
}

TEST(EventMatch, FindsTheFirstLineThatDiffers) {
    const std::vector<std::string> found = {"tray add \"09:00:00\"", "tray delete"};
    EXPECT_EQ(first_event_mismatch({"tray add *", "tray delete"}, found), -1);
    EXPECT_EQ(first_event_mismatch({"tray add *", "tray add *"}, found), 1);
    EXPECT_EQ(first_event_mismatch({"tray add *"}, found), 1);
    EXPECT_EQ(first_event_mismatch({"tray add *", "tray delete", "tray delete"}, found), 2);
    EXPECT_EQ(first_event_mismatch({}, {}), -1);
}

}  // namespace
}  // namespace velmora::shell::scenario

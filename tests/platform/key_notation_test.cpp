#include "platform/key_notation.h"

#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

TEST(KeyNotation, ParsesTheProgramsKeys) {
    struct Row {
        const char* notation;
        const char* events;
    };
    const Row rows[] = {
        {"{TAB}", "Tab"},
        {"+({TAB})", "S+ Tab S-"},
        {"{RIGHT}", "Right"},
        {"{UP 3}", "Up Up Up"},
        {"{RIGHT 0}", ""},
        {"%D", "A+ D A-"},
        {"%d", "A+ D A-"},
        {"^V", "C+ V C-"},
        {"{ENTER}", "Enter"},
        {"~", "Enter"},
        {"ab", "a b"},
        {"+a", "S+ A S-"},
        {"{+}{^}{%}{~}{(}{)}{{}{}}{[}{]}", "+ ^ % ~ ( ) { } [ ]"},
        {"{left 2}", "Left Left"},
        {"{F12}{PGDN}{BS}", "F12 Pgdn Bs"},
        {"^(ab)", "C+ A B C-"},
        {"[x]", "[ x ]"},
        {"懸賞", "懸 賞"},
        {"", ""},
    };
    for (const Row& row : rows) {
        const KeyParse parse = parse_key_notation(row.notation);
        EXPECT_FALSE(parse.error.has_value()) << row.notation << ": " << parse.error.value_or("");
        EXPECT_EQ(describe(parse.events), row.events) << row.notation;
    }
}

TEST(KeyNotation, MalformedStringsSendNothing) {
    const char* const bad[] = {"}",   "{",  "{TAB", "{NOPE}", "{UP x}", "{UP 3x}",    "{UP }", ")",
                               "+(a", "a)", "(",    "+",      "{}",     "{UP 99999}", "%"};
    for (const char* notation : bad) {
        const KeyParse parse = parse_key_notation(notation);
        EXPECT_TRUE(parse.error.has_value()) << notation;
        EXPECT_TRUE(parse.events.empty()) << notation;
    }
}

}  // namespace
}  // namespace velmora::platform

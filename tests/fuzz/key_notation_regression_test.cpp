// Inputs the fuzz programs once crashed on, kept so that the fault stays mended.
#include <gtest/gtest.h>

#include <string>

#include "platform/key_notation.h"

namespace velmora::platform {
namespace {

std::string nested(int depth, std::string_view inside) {
    return std::string(static_cast<std::size_t>(depth), '(') + std::string(inside) +
           std::string(static_cast<std::size_t>(depth), ')');
}

// Thousands of "(" once ran the parser out of stack; now they are an error, and nothing is sent.
TEST(KeyNotationRegression, DeeplyNestedGroupsAreAnErrorNotACrash) {
    for (const std::string& text :
         {std::string(5000, '('), nested(5000, "a"), "%L" + std::string(4000, '(') + "+("}) {
        const KeyParse parsed = parse_key_notation(text);
        EXPECT_TRUE(parsed.error.has_value()) << text.size();
        EXPECT_TRUE(parsed.events.empty());
    }
}

TEST(KeyNotationRegression, GroupsNestedAsDeepAsAnyRealSequenceStillParse) {
    const KeyParse parsed = parse_key_notation("+" + nested(100, "{TAB}"));
    ASSERT_FALSE(parsed.error.has_value()) << *parsed.error;
    EXPECT_EQ(describe(parsed.events), "S+ Tab S-");
}

}  // namespace
}  // namespace velmora::platform

// The vocabulary's matching rules: the longest word wins, labels spaced out for alignment still
// read, "PR" counts only as a word of its own, and the marks that count as bullets and rules.
#include "extract/generic/vocabulary.h"

#include <gtest/gtest.h>

namespace velmora::extract::generic {
namespace {

TEST(Vocabulary, MatchesTheLongestWord) {
    const std::vector<std::tuple<const char*, Label, std::size_t>> labels = {
        {"応募締切日：12/20", Label::Deadline, std::string_view("応募締切日").size()},
        {"応募方法：はがき", Label::Info, std::string_view("応募方法").size()},
        {"応募者全員", Label::None, std::string_view("応募者").size()},
        {"締　切：12/20", Label::None, 0},  // unfolded: U+3000 is not yet a blank
        {"締 切：12/20", Label::Deadline, std::string_view("締 切").size()},
        {"賞 品 名：加湿器", Label::Prize, std::string_view("賞 品 名").size()},
        {"温泉旅行", Label::None, 0},
    };
    for (const auto& [text, label, size] : labels) {
        SCOPED_TRACE(text);
        const LabelMatch m = match_label(text, 0);
        EXPECT_EQ(m.label, label);
        EXPECT_EQ(m.size, size);
    }
    EXPECT_EQ(match_date_word("当日消印有効", 0).size, std::string_view("当日消印有効").size());
    EXPECT_EQ(match_date_word("まで", 0).word, DateWord::Deadline);
    EXPECT_EQ(match_date_word("発表", 0).word, DateWord::Event);
}

TEST(Vocabulary, ReadsPrOnlyAsAWordOfItsOwn) {
    EXPECT_EQ(match_cue("[PR]", 1).cue, Cue::Sponsor);
    EXPECT_EQ(match_cue("PR:", 0).cue, Cue::Sponsor);
    EXPECT_EQ(match_cue("PRESENT", 0).cue, Cue::None);
    EXPECT_EQ(match_cue("APR", 1).cue, Cue::None);
    EXPECT_EQ(match_counter("名様", 0), std::string_view("名").size());
    EXPECT_EQ(match_counter("人分", 0), 0u);
}

TEST(Vocabulary, KnowsBulletsAndRules) {
    for (const char32_t c : std::u32string_view(U"■◆★●☆▼◇・🎁✨")) {
        EXPECT_GE(bullet_index(c), 0) << static_cast<unsigned>(c);
        EXPECT_LT(bullet_index(c), 3072);
    }
    EXPECT_EQ(bullet_index(U'温'), -1);
    EXPECT_NE(bullet_index(U'■'), bullet_index(U'◆'));
    for (const char32_t c : std::u32string_view(U"━─=-┏┓┗┛┃◆◇★☆")) {
        EXPECT_TRUE(is_rule_char(c)) << static_cast<unsigned>(c);
    }
    EXPECT_FALSE(is_rule_char(U'温'));
    EXPECT_FALSE(is_banner_char(U'・'));
}

}  // namespace
}  // namespace velmora::extract::generic

#include "text/needle_set.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "text/step_count.h"

namespace velmora::text {
namespace {

// Against the plain search: needles that end inside others, share prefixes, repeat, or are the
// empty text, over texts read one after another.
TEST(NeedleSet, FindsWhatAPlainSearchFinds) {
    std::mt19937 random(5);
    const auto word = [&](int longest) {
        std::string w;
        const int n = std::uniform_int_distribution<int>(0, longest)(random);
        for (int i = 0; i < n; ++i) {
            w += "ab/h"[std::uniform_int_distribution<int>(0, 3)(random)];
        }
        return w;
    };
    for (int round = 0; round < 200; ++round) {
        std::vector<std::string> needles;
        for (int i = 0; i < 12; ++i) {
            needles.push_back(word(6));
        }
        NeedleSet set(needles);
        std::vector<std::string> read;
        for (int t = 0; t < 4; ++t) {
            read.push_back(word(20));
            set.read(read.back());
            for (const std::string& needle : needles) {
                bool expected = false;
                for (const std::string& text : read) {
                    expected = expected || text.find(needle) != std::string::npos;
                }
                EXPECT_EQ(set.found(needle), expected) << needle << " round " << round;
            }
        }
        EXPECT_EQ(set.found("hhhhhhhhhhhhhhhh"), std::nullopt);  // not one of the needles
    }
}

// However many needles end at the same place (each needle here ends with all the shorter ones),
// reading a text takes a few steps a byte, and each needle is marked found once.
TEST(NeedleSet, ReadsEachTextOnce) {
    std::vector<std::string> needles;
    for (int n = 1; n <= 500; ++n) {
        needles.push_back(std::string(static_cast<std::size_t>(n), 'a'));
    }
    NeedleSet set(needles);
    const std::string text(5000, 'a');
    const StepCount steps;
    set.read(text);
    set.read(text);
    EXPECT_LE(steps.taken(), 2 * (2 * text.size()) + needles.size());
    EXPECT_EQ(set.found(std::string(500, 'a')), true);
    EXPECT_EQ(set.found(std::string(501, 'a')), std::nullopt);
}

}  // namespace
}  // namespace velmora::text

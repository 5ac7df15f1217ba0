#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "text/text.h"

namespace velmora::text {
namespace {

// The views must cut exactly what the allocating functions cut, malformed bytes and positions
// beyond either end included, since parsers switched between them must give the same rows.
const std::vector<std::string> kTexts = {"",         "abc",       "懸賞情報",           " 全 角 ",
                                         "  ",       "a\xE3\x80", "\xE3\x80\x80x\x80y", "😀a😀",
                                         "\xF0\x9F", "締切 5/31 "};
const std::vector<long> kPositions = {-2, 0, 1, 2, 3, 4, 5, 9};

TEST(TextViews, CutTheSameAsTheAllocatingFunctions) {
    for (const std::string& s : kTexts) {
        for (long a : kPositions) {
            SCOPED_TRACE(s + " @" + std::to_string(a));
            EXPECT_EQ(mid_view(s, a), mid(s, a));
            EXPECT_EQ(left_view(s, a), left(s, a));
            EXPECT_EQ(right_view(s, a), right(s, a));
            for (long n : kPositions) {
                EXPECT_EQ(mid_view(s, a, n), mid(s, a, n));
            }
        }
    }
}

TEST(TextViews, TrimAgreesInEveryForm) {
    for (const std::string& s : kTexts) {
        std::string in_place = s;
        trim_in_place(in_place);
        EXPECT_EQ(trim_view(s), trim(s)) << s;
        EXPECT_EQ(in_place, trim(s)) << s;
    }
}

TEST(TextViews, ViewsPointIntoTheirText) {
    const std::string s = " ■懸賞 ";
    const std::string_view v = mid_view(trim_view(s), 2);
    EXPECT_EQ(v, "懸賞");
    EXPECT_GE(v.data(), s.data());
    EXPECT_LE(v.data() + v.size(), s.data() + s.size());
}

TEST(TextViews, ByteTestsAtTheEdges) {
    struct Case {
        std::string_view s, part;
        bool starts, ends, inside;
    };
    const Case cases[] = {
        {"", "", true, true, true},      {"a", "", true, true, true},
        {"", "a", false, false, false},  {"ab", "abc", false, false, false},
        {"■01", "■", true, false, true}, {"x締切", "締切", false, true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(starts_with(c.s, c.part), c.starts) << c.s << "|" << c.part;
        EXPECT_EQ(ends_with(c.s, c.part), c.ends) << c.s << "|" << c.part;
        EXPECT_EQ(contains(c.s, c.part), c.inside) << c.s << "|" << c.part;
    }
}

TEST(TextViews, ByteSearchFindsWhatStringViewFinds) {
    const std::string hay = "締切締切(締\r\r\n5/31締切(";
    for (std::string_view needle : {"", "締", "締切(", "\r\n", "(", "5/31締切((", "x"}) {
        for (std::size_t from = 0; from <= hay.size() + 1; ++from) {
            EXPECT_EQ(find_bytes(hay, needle, from), std::string_view(hay).find(needle, from))
                << needle << " " << from;
        }
    }
}

// Going back from the end counts characters as going forward does, on texts of random
// fragments that include every kind of malformed byte.
TEST(TextViews, CountingBackAgreesWithCountingForward) {
    const std::vector<std::string> pieces = {"a",
                                             "締",
                                             "😀",
                                             "é",
                                             "\x80",
                                             "\xE3",
                                             "\xE3\x80",
                                             "\xF0\x9F\x98",
                                             "\xED\xA0\x80",
                                             "\xE0\x80\x80",
                                             "\xC0\xAF",
                                             "\xFF",
                                             "\x80\x80\x80\x80\x80"};
    std::mt19937 random(5);
    for (int round = 0; round < 2000; ++round) {
        std::string s;
        for (int n = static_cast<int>(random() % 12); n > 0; --n) {
            s += pieces[random() % pieces.size()];
        }
        const long length = text::length(s);
        for (long n = 0; n <= length + 1; ++n) {
            SCOPED_TRACE(testing::PrintToString(s) + " n=" + std::to_string(n));
            ASSERT_EQ(right_view(s, n), mid_view(s, std::max(1L, length - n + 1)));
            const std::size_t back = chars_back(s, s.size(), n);
            if (n > length) {
                ASSERT_EQ(back, std::string_view::npos);
            } else {
                ASSERT_EQ(back, left_view(s, length - n).size());
            }
        }
    }
}

}  // namespace
}  // namespace velmora::text

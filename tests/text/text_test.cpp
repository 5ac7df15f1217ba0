#include "text/text.h"

#include <gtest/gtest.h>

namespace velmora::text {
namespace {

TEST(TextCut, MidCountsCharactersAndNeverFails) {
    EXPECT_EQ(mid("懸賞情報", 2, 2), "賞情");
    EXPECT_EQ(mid("懸賞情報", 3), "情報");
    EXPECT_EQ(mid("abc", 5), "");
    EXPECT_EQ(mid("abc", 2, 10), "bc");
    EXPECT_EQ(mid("abc", 0, 2), "ab");
    EXPECT_EQ(mid("abc", -3), "abc");
    EXPECT_EQ(mid("abc", 1, -1), "");
    EXPECT_EQ(mid("", 1, 1), "");
}

TEST(TextCut, LeftAndRight) {
    EXPECT_EQ(left("締切日", 2), "締切");
    EXPECT_EQ(left("abc", 5), "abc");
    EXPECT_EQ(left("abc", 0), "");
    EXPECT_EQ(left("abc", -1), "");
    EXPECT_EQ(right("2001/05/31", 5), "05/31");
    EXPECT_EQ(right("ab", 3), "ab");
    EXPECT_EQ(right("ab", 0), "");
}

TEST(TextFind, FindsByCharacterPosition) {
    EXPECT_EQ(find("a/b/c", "/"), 2);
    EXPECT_EQ(find("a/b/c", "/", 3), 4);
    EXPECT_EQ(find("a/b/c", "/", 5), 0);
    EXPECT_EQ(find("★12:賞品", ":"), 4);
    EXPECT_EQ(find("abc", "x"), 0);
    EXPECT_EQ(find("abc", "", 2), 2);
    EXPECT_EQ(find("abc", "", 9), 0);
    EXPECT_EQ(find("", "a"), 0);
}

TEST(TextFind, ReverseFindEndsAtOrBeforeStart) {
    EXPECT_EQ(rfind("a b c", " "), 4);
    EXPECT_EQ(rfind("a b c", " ", 3), 2);
    EXPECT_EQ(rfind("締切 5/10 締切", "締切"), 9);
    EXPECT_EQ(rfind("abcabc", "bc", 4), 2);
    EXPECT_EQ(rfind("abc", "x"), 0);
}

TEST(TextTrim, RemovesHalfWidthBlanksOnly) {
    EXPECT_EQ(trim("  a b  "), "a b");
    EXPECT_EQ(trim("\tа\t"), "\tа\t");
    EXPECT_EQ(trim("　全角　"), "　全角　");
    EXPECT_EQ(trim("    "), "");
    EXPECT_EQ(ltrim("  x "), "x ");
    EXPECT_EQ(rtrim("  x "), "  x");
}

TEST(TextSplit, EmptyTextGivesNoPieces) {
    EXPECT_TRUE(split("", "\r\n").empty());
    EXPECT_EQ(split("a\r\nb\r\n", "\r\n"), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(split("a\r\nb", "\r\n"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(split("\r\n", "\r\n"), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(split("a%Tb", "%"), (std::vector<std::string>{"a", "Tb"}));
}

TEST(TextReplace, ReplacesEveryOccurrence) {
    EXPECT_EQ(replace_all("1.2.3", ".", "/"), "1/2/3");
    EXPECT_EQ(replace_all("12\r\nstock", "\r\n", " "), "12 stock");
    EXPECT_EQ(replace_all("……a…", "…", ""), "a");
    EXPECT_EQ(replace_all("abc", "", "x"), "abc");
}

TEST(TextNumber, LeadingNumberParse) {
    struct Row {
        const char* text;
        double value;
    };
    const Row rows[] = {
        {" 3000 ", 3000},
        {"1 2", 12},
        {"12abc", 12},
        {"-3", -3},
        {"+4", 4},
        {"1.5x", 1.5},
        {".5", 0.5},
        {"1e3", 1000},
        {"1e", 1},
        {"abc", 0},
        {"", 0},
        {"&H1F", 31},
        {"&O17", 15},
        {"03", 3},
        {"１２", 0},
        {"\t7\n", 7},
        {"00", 0},
        {"1e999", 0},
        {"-", 0},
        {"5/10", 5},
        // Digits followed by a character that is not ASCII, or by more digits than a double
        // holds exactly, or by what may continue a number.
        {"12名", 12},
        {"0031／", 31},
        {"1234567890123456", 1234567890123456},
        {"123456789012345.5", 123456789012345.5},
        {"12 3名", 123},
        {"7E2個", 700},
        {"99\t1", 991},
    };
    for (const Row& row : rows) {
        EXPECT_DOUBLE_EQ(leading_number(row.text), row.value) << row.text;
    }
    EXPECT_TRUE(reads_positive("12:"));
    EXPECT_FALSE(reads_positive("00"));
    EXPECT_FALSE(reads_positive("-1"));
    EXPECT_FALSE(reads_positive("１"));
}

TEST(TextUtf8, MalformedBytesDecodeAsReplacement) {
    const std::string bad = std::string("a\xff") + "b\xe3\x81";
    EXPECT_EQ(length(bad), 5);  // a, FF, b, and the cut-off E3 81 as two
    EXPECT_EQ(sanitize(bad),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(mid(bad, 3, 1), "b");
    EXPECT_EQ(length("𠮷"), 1);
    EXPECT_EQ(encode(0x20BB7), "𠮷");
    EXPECT_EQ(to_u32("a賞"), U"a賞");
}

TEST(TextLower, LowersAsciiAndFullWidthLetters) {
    EXPECT_EQ(lower("HTTP://X"), "http://x");
    EXPECT_EQ(lower("ＨＴＴＰ"), "ｈｔｔｐ");
    EXPECT_EQ(lower("C:\\Browser\\B.EXE"), "c:\\browser\\b.exe");
}

}  // namespace
}  // namespace velmora::text

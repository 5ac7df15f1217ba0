#include "text/packed_lines.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "text/text.h"

namespace velmora::text {
namespace {

using Texts = std::vector<std::string>;

TEST(PackedLines, SplitsAsTheTextSplitDoes) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "\r\n"},         {"a", "\r\n"},           {"a\r\n", "\r\n"},
        {"\r\n\r\n", "\r\n"}, {"a\rb\nc\r\n", "\r\n"}, {"x\r\n\r\ny", "\r\n"},
        {"abc", ""},          {"ab,,c,", ","},         {"日本\r\n語\r\n", "\r\n"},
        {"\r\r\n\n", "\r\n"}, {"a--b---c", "--"},
    };
    for (const auto& [input, separator] : cases) {
        PackedLines lines;
        lines.push_back("left over from before");
        lines.assign_split(input, separator);
        EXPECT_EQ(lines, split(input, separator)) << "input: " << input;
    }
}

TEST(PackedLines, HandsOverItsBlockEmptiedWithItsRoom) {
    PackedLines lines;
    const std::string text(10000, 'x');
    lines.assign_split(text + "\r\nend", "\r\n");
    std::string block = lines.take_block();
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(block.empty());
    EXPECT_GE(block.capacity(), text.size());
    block = "again\r\n";
    lines.assign_split(std::move(block), "\r\n");
    EXPECT_EQ(lines, (Texts{"again", ""}));
}

std::vector<std::size_t> rows_holding(const PackedLines& lines, std::string_view needle) {
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find(needle) != std::string_view::npos) {
            rows.push_back(i);
        }
    }
    return rows;
}

TEST(PackedLines, FindsExactlyTheRowsHoldingANeedle) {
    // "ab" + "cd" side by side in the block must not count as "bc"; empty rows hold nothing.
    PackedLines lines{"ab", "", "cd", "abcd", "", "xbcx", "bc"};
    EXPECT_EQ(lines.rows_containing("bc"), (std::vector<std::size_t>{3, 5, 6}));
    EXPECT_EQ(lines.rows_containing("b"), (std::vector<std::size_t>{0, 3, 5, 6}));
    EXPECT_EQ(lines.rows_containing("abcdx"), std::vector<std::size_t>{});
    EXPECT_EQ(lines.rows_containing("").size(), lines.size());
    // Out of block order: a row replaced by a longer text, and one put in front.
    lines.assign(0, "long text with bc");
    lines.insert(0, "bc first");
    EXPECT_EQ(lines.rows_containing("bc"), (std::vector<std::size_t>{0, 1, 4, 6, 7}));
    lines.erase(0);
    lines.assign(0, "no");  // fits in place
    EXPECT_EQ(lines.rows_containing("bc"), (std::vector<std::size_t>{3, 5, 6}));
}

TEST(PackedLines, ReplacesRemovesAndInsertsTexts) {
    PackedLines lines{"one", "two", "three"};
    lines.assign(1, "a much longer second text");
    lines.assign(2, "3");
    lines.insert(0, "zero");
    lines.insert(99, "end");  // beyond the end: added last
    lines.erase(2);
    lines.erase(99);        // nothing
    lines.assign(99, "x");  // nothing
    EXPECT_EQ(lines, (Texts{"zero", "one", "3", "end"}));
    EXPECT_EQ(lines.back(), "end");
    lines.clear();
    EXPECT_TRUE(lines.empty());
    lines.push_back("");
    EXPECT_EQ(lines, Texts{""});
}

TEST(PackedLines, TakesTextsThatAreViewsIntoItself) {
    PackedLines lines{"first", "second"};
    for (int i = 0; i < 200; ++i) {  // enough to make the block move while a view into it is read
        lines.push_back(lines[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(lines[200], "first");
    EXPECT_EQ(lines[201], "second");
    lines.assign(0, lines[1]);            // longer than the old text
    lines.assign(1, lines[1].substr(2));  // a part of its own text
    lines.insert(0, lines[2]);
    EXPECT_EQ(lines[0], "first");
    EXPECT_EQ(lines[1], "second");
    EXPECT_EQ(lines[2], "cond");
}

// Random edits against a plain vector of strings: the texts must agree after every step, also
// across the block's rewrites that drop replaced texts.
TEST(PackedLines, AgreesWithAVectorOfStringsUnderRandomEdits) {
    std::mt19937 random(20011);
    PackedLines packed;
    Texts plain;
    const auto some_text = [&] {
        return std::string(random() % 300, static_cast<char>('a' + random() % 26));
    };
    for (int step = 0; step < 20000; ++step) {
        const std::size_t at = plain.empty() ? 0 : random() % plain.size();
        switch (random() % 5) {
            case 0:
            case 1: {
                const std::string text = some_text();
                packed.push_back(text);
                plain.push_back(text);
                break;
            }
            case 2:
                if (!plain.empty()) {
                    const std::string text = some_text();
                    packed.assign(at, text);
                    plain[at] = text;
                }
                break;
            case 3:
                if (!plain.empty()) {
                    packed.erase(at);
                    plain.erase(plain.begin() + static_cast<std::ptrdiff_t>(at));
                }
                break;
            default: {
                const std::string text = some_text();
                packed.insert(at, text);
                plain.insert(plain.begin() + static_cast<std::ptrdiff_t>(at), text);
                break;
            }
        }
        ASSERT_EQ(packed.size(), plain.size()) << "step " << step;
    }
    EXPECT_EQ(packed, plain);
    EXPECT_EQ(packed.to_vector(), plain);
    for (const std::string_view needle : {"a", "bb", "ccc", "zzzz"}) {
        EXPECT_EQ(packed.rows_containing(needle), rows_holding(packed, needle)) << needle;
    }
    PackedLines appended;  // added at the end only, so searched over the block
    for (const std::string& text : plain) {
        appended.push_back(text);
    }
    for (std::size_t i = appended.size(); i > 0; i -= 3) {
        appended.erase(i - 1);
        if (i < 3) {
            break;
        }
    }
    for (const std::string_view needle : {"a", "bb", "ccc", "zzzz"}) {
        EXPECT_EQ(appended.rows_containing(needle), rows_holding(appended, needle)) << needle;
    }
    EXPECT_EQ(PackedLines(plain), packed);
}

}  // namespace
}  // namespace velmora::text

#include <gtest/gtest.h>

#include "store/store.h"
#include "store/temp_dir.h"

namespace velmora::store {
namespace {

using Lines = std::vector<std::string>;

struct Split {
    std::string bytes;
    Lines lines;
};

TEST(ReadLines, SplitsAtLineEnds) {
    const Split kRows[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"\r\n", {""}},
        {"a\rb\r\n", {"a\rb"}},  // a bare CR is kept inside the line
        {"a, b,\"c\"\r\n\"d\r\n", {"a, b,\"c\"", "\"d"}},
        {"\xEF\xBB\xBF", {}},
        {"\xEF\xBB\xBF"
         "懸賞\r\n𠮷\r\n",
         {"懸賞", "𠮷"}},
    };
    testing::TempDir dir;
    for (const auto& r : kRows) {
        dir.put("f.ini", r.bytes);
        EXPECT_EQ(read_lines(dir / "f.ini"), r.lines) << r.bytes;
    }
}

TEST(ReadLines, Cp932FileWrittenByHandReadsUnchanged) {
    testing::TempDir dir;
    // 2001/05/31 懸賞 ～ ① ｶﾞ, then a line with a bad byte
    dir.put("zov5.ini", "2001/05/31http://a.jp/\x8c\x9c\x8f\xdc\r\n\x81\x60\x87\x40\xb6\xde\r\nx\x80y\r\n");
    EXPECT_EQ(read_lines(dir / "zov5.ini"), (Lines{"2001/05/31http://a.jp/懸賞", "～①ｶﾞ", "x\xEF\xBF\xBDy"}));
}

TEST(ReadLines, AbsentFileOrDirectoryIsNoFile) {
    testing::TempDir dir;
    EXPECT_EQ(read_lines(dir / "none.ini"), std::nullopt);
    std::filesystem::create_directory(dir / "sub.ini");
    EXPECT_EQ(read_lines(dir / "sub.ini"), std::nullopt);
}

TEST(WriteLines, Cp932WithCrLfWhenEveryLineIsHeld) {
    testing::TempDir dir;
    ASSERT_TRUE(write_lines(dir / "f.ini", {"懸賞", "", "～ｶﾞ①"}).ok);
    EXPECT_EQ(dir.bytes("f.ini"), "\x8c\x9c\x8f\xdc\r\n\r\n\x81\x60\xb6\xde\x87\x40\r\n");
    ASSERT_TRUE(write_lines(dir / "f.ini", {}).ok);
    EXPECT_EQ(dir.bytes("f.ini"), "");
}

TEST(WriteLines, Utf8WithByteOrderMarkWhenALineIsNotHeld) {
    testing::TempDir dir;
    const Lines lines{"懸賞", "〜 wave dash", "𠮷野家 😀"};
    ASSERT_TRUE(write_lines(dir / "f.ini", lines).ok);
    EXPECT_EQ(dir.bytes("f.ini"), "\xEF\xBB\xBF懸賞\r\n〜 wave dash\r\n𠮷野家 😀\r\n");
    EXPECT_EQ(read_lines(dir / "f.ini"), lines);
}

TEST(NumberLine, BlankBeforeAndAfter) {
    EXPECT_EQ(number_line(3000), " 3000 ");
    EXPECT_EQ(number_line(-5), "-5 ");
    EXPECT_EQ(number_line(0), " 0 ");
    EXPECT_EQ(number_line(-0.0), " 0 ");
    EXPECT_EQ(number_line(12.5), " 12.5 ");
    EXPECT_EQ(number_line(1e20), " 100000000000000000000 ");
}

}  // namespace
}  // namespace velmora::store

#include <gtest/gtest.h>

#include "store/store.h"
#include "store/temp_dir.h"

namespace velmora::store {
namespace {

using Lines = std::vector<std::string>;

}  // namespace

void PrintTo(const Flowchart& f, std::ostream* os) {
    *os << "{\"" << f.title << "\", \"" << f.code << "\"}";
}

namespace {

// Texts the old item reading would have cut at the comma or stripped of their quotes.
const Lines kAwkward{"a,b", "\"quoted\" rest", "\"", " blank ends ", ""};

TEST(DataFiles, CommasAndQuotesSurviveEveryFileKind) {
    testing::TempDir dir;
    ASSERT_TRUE(save_window_file(dir.path(), 1200, 300, kAwkward).ok);
    auto window = load_window_file(dir.path());
    ASSERT_TRUE(window.has_value());
    EXPECT_EQ(Lines(window->fields.begin(), window->fields.begin() + 5), kAwkward);

    ASSERT_TRUE(save_history(dir.path(), kAwkward).ok);
    EXPECT_EQ(load_history(dir.path()), kAwkward);

    ASSERT_TRUE(save_id_book(dir.path(), kAwkward).ok);
    EXPECT_EQ(load_id_book(dir.path()), kAwkward);

    ASSERT_TRUE(save_stock(dir.path(), kAwkward).ok);
    EXPECT_EQ(load_stock(dir.path()), kAwkward);

    std::vector<Flowchart> flowcharts;
    for (const auto& s : kAwkward) {
        flowcharts.push_back({s, s + "%T,\"x"});
    }
    ASSERT_TRUE(save_flowcharts(dir.path(), flowcharts).ok);
    EXPECT_EQ(load_flowcharts(dir.path()), flowcharts);
}

TEST(DataFiles, AbsentFilesLoadAsNothing) {
    testing::TempDir dir;
    EXPECT_EQ(load_window_file(dir.path()), std::nullopt);
    EXPECT_EQ(load_flowcharts(dir.path()), std::nullopt);
    EXPECT_EQ(load_id_book(dir.path()), std::nullopt);
    EXPECT_EQ(load_stock(dir.path()), std::nullopt);
    EXPECT_TRUE(load_history(dir.path()).empty());
}

TEST(WindowFile, WritesNumbersThenTheFieldsAndReadsThemBack) {
    testing::TempDir dir;
    Lines fields(kProfileFieldCount);
    fields[0] = "氏名";
    fields[64] = "最後";
    ASSERT_TRUE(save_window_file(dir.path(), 3000, -5, fields).ok);
    const std::string bytes = dir.bytes("zov1.ini");
    EXPECT_TRUE(bytes.starts_with(" 3000 \r\n-5 \r\n")) << bytes;
    auto file = load_window_file(dir.path());
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->top, 3000);
    EXPECT_EQ(file->left, -5);
    EXPECT_EQ(file->fields, fields);
}

TEST(WindowFile, ShortFileGivesWhatItHas) {
    testing::TempDir dir;
    dir.put("zov1.ini", " 1500 \r\n");
    auto file = load_window_file(dir.path());
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->top, 1500);
    EXPECT_EQ(file->left, std::nullopt);
    EXPECT_TRUE(file->fields.empty());

    dir.put("zov1.ini", "1500\r\n 20 \r\nA\r\nB\r\n");
    file = load_window_file(dir.path());
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->left, 20);
    EXPECT_EQ(file->fields, (Lines{"A", "B"}));

    dir.put("zov1.ini", "");
    file = load_window_file(dir.path());
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->top, std::nullopt);
}

TEST(WindowFile, LinesBeyondTheFieldsAreIgnored) {
    testing::TempDir dir;
    std::string bytes = "1\r\n2\r\n";
    for (int i = 0; i < kProfileFieldCount + 3; ++i) {
        bytes += "f" + std::to_string(i) + "\r\n";
    }
    dir.put("zov1.ini", bytes);
    auto file = load_window_file(dir.path());
    ASSERT_TRUE(file.has_value());
    ASSERT_EQ(file->fields.size(), static_cast<std::size_t>(kProfileFieldCount));
    EXPECT_EQ(file->fields.back(), "f64");
}

TEST(WindowFile, TextOutsideTheCodePageMakesTheFileUtf8) {
    testing::TempDir dir;
    const Lines fields{"𠮷田", "〜", "懸賞"};
    ASSERT_TRUE(save_window_file(dir.path(), 0, 0, fields).ok);
    EXPECT_TRUE(dir.bytes("zov1.ini").starts_with("\xEF\xBB\xBF 0 \r\n 0 \r\n𠮷田\r\n"));
    auto file = load_window_file(dir.path());
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(Lines(file->fields.begin(), file->fields.begin() + 3), fields);
}

TEST(History, Zov21IsReadAsItIs) {
    testing::TempDir dir;
    dir.put("zov21.ini", "2001/05/102001/05/310aaaahttp://a.jp/x?a=1,b=2\r\n");
    dir.put("zov2.ini", "2001/04/01http://old/\r\n");
    EXPECT_EQ(load_history(dir.path()), Lines{"2001/05/102001/05/310aaaahttp://a.jp/x?a=1,b=2"});
}

TEST(History, Zov2IsConvertedWhenZov21IsAbsent) {
    testing::TempDir dir;
    const std::string old_bytes = "2001/04/01http://a.jp/\r\n2001/04/02http://b.jp/\x8c\x9c\r\nshort\r\n";
    dir.put("zov2.ini", old_bytes);
    const Lines expected{"2001/04/012001/04/010abcdhttp://a.jp/", "2001/04/022001/04/020abcdhttp://b.jp/懸",
                         "shortshort0abcd"};
    EXPECT_EQ(load_history(dir.path()), expected);
    ASSERT_TRUE(save_history(dir.path(), expected).ok);
    EXPECT_EQ(load_history(dir.path()), expected);
    EXPECT_EQ(dir.bytes("zov2.ini"), old_bytes);  // never written
}

TEST(Flowcharts, TitleBeforeTheFirstMarkCodeAfterIt) {
    testing::TempDir dir;
    dir.put("zov3.ini", "\xEF\xBB\xBF応募%001%T02%T\r\nno mark\r\n%0code only\r\ntitle%0\r\na%0b%0c\r\n");
    const std::vector<Flowchart> expected{
        {"応募", "01%T02%T"}, {"no mark", ""}, {"", "code only"}, {"title", ""}, {"a", "b%0c"}};
    EXPECT_EQ(load_flowcharts(dir.path()), expected);
}

TEST(StockFile, CreatedEmptyOnlyWhenAbsent) {
    testing::TempDir dir;
    ASSERT_TRUE(ensure_stock_file(dir.path()).ok);
    EXPECT_EQ(load_stock(dir.path()), Lines{});
    dir.put("zov5.ini", "2001/05/31http://a,b/\r\n");
    ASSERT_TRUE(ensure_stock_file(dir.path()).ok);
    EXPECT_EQ(load_stock(dir.path()), Lines{"2001/05/31http://a,b/"});
}

TEST(ProbeFile, OneFixedLineInTheCodePage) {
    testing::TempDir dir;
    dir.put("a.html", "old content that is longer than the new one\r\n");
    ASSERT_TRUE(write_probe_file(dir.path()).ok);
    EXPECT_EQ(dir.bytes("a.html"), "\x8a\xd6\x98\x41\x95\x74\x82\xaf\x8f\x8a\x93\xbe\x97\x70\r\n");
}

TEST(PathOf, JapaneseNamesMakeFiles) {
    testing::TempDir dir;
    const auto file = dir.path() / path_of("懸賞メモ.ini");
    ASSERT_TRUE(write_lines(file, {"x"}).ok);
    EXPECT_TRUE(file.filename().u8string() == u8"懸賞メモ.ini");  // the system lib prints no u8string
    EXPECT_EQ(read_lines(file), Lines{"x"});
}

}  // namespace
}  // namespace velmora::store

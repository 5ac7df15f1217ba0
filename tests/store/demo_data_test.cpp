// The demo folder that the run command starts the program in must load as users' files do.
#include <gtest/gtest.h>

#include "store/store.h"

namespace velmora::store {
namespace {

const std::filesystem::path kDemo =
    std::filesystem::path(VELMORA_TEST_DATA_DIR) / ".." / ".." / "examples" / "demo";

TEST(DemoData, EveryFileLoadsFromCodePage932) {
    const auto window = load_window_file(kDemo);
    ASSERT_TRUE(window.has_value());
    EXPECT_EQ(window->top, 3000);
    EXPECT_EQ(window->left, 9000);
    ASSERT_EQ(window->fields.size(), 65u);
    EXPECT_EQ(window->fields[0], "氏名");
    EXPECT_EQ(window->fields[25], "メール");
    EXPECT_EQ(window->fields[26], "taro.yamada+kensho@example.jp");

    const auto history = load_history(kDemo);
    ASSERT_EQ(history.size(), 3u);
    EXPECT_EQ(history[1], "2026/12/022026/12/020aaaahttp://kensho.example.com/");

    const auto flowcharts = load_flowcharts(kDemo);
    ASSERT_TRUE(flowcharts.has_value());
    ASSERT_EQ(flowcharts->size(), 2u);
    EXPECT_EQ((*flowcharts)[0], (Flowchart{"基本フォーム", "0102%T0607%T06%T"}));

    const auto ids = load_id_book(kDemo);
    ASSERT_TRUE(ids.has_value());
    EXPECT_EQ(*ids, std::vector<std::string>{"懸賞サイトA/taro_y/pass/word1"});

    const auto stock = load_stock(kDemo);
    ASSERT_TRUE(stock.has_value());
    EXPECT_EQ(stock->size(), 3u);
}

}  // namespace
}  // namespace velmora::store

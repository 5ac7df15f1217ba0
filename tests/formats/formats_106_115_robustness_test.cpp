// Formats 106 to 115 over hostile clipboard texts: every parser returns, within a bounded time,
// whatever it is given.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "formats/parsers.h"
#include "platform/memory_platform.h"
#include "text/text.h"

namespace velmora::formats {
namespace {

std::string repeated(const std::string& block, int times) {
    std::string out;
    for (int n = 0; n < times; ++n) {
        out += block;
    }
    return out;
}

std::string random_text(std::size_t bytes, unsigned seed) {
    std::mt19937 random(seed);
    std::string raw;
    for (std::size_t n = 0; n < bytes; ++n) {
        const unsigned value = random() % 40;
        // Mostly bytes of any value, with CR LF pairs often enough to make many lines.
        raw += value == 0 ? std::string("\r\n") : std::string(1, static_cast<char>(random() & 0xFF));
    }
    return text::sanitize(raw);
}

// The headers of every format, so that header-heavy texts reach each parser's item code.
const char* const kHeaders =
    "★1:a\r\n■1\r\n(12)a\r\n■〓＜a\r\n───\r\n01■5/1締切【a】b\r\n┏━【a】\r\n■1┬┤☆a\r\n"
    "▼［01］a\r\n━ 01 ━━━\r\n【賞品】a締切日5/1\r\n【賞品】　a\r\n【締　切】：5/1\r\n"
    "[賞    品]a\r\n【詳細情報】\r\n[1] a\r\nhttp://a.jp/\r\n";

std::vector<std::string> hostile_texts() {
    return {
        "",
        "\r\n",
        repeated("\r\n", 1000),
        "★1:一行だけ改行なし",
        std::string(kHeaders),
        repeated(kHeaders, 2000),
        std::string(1 << 20, 'x') + "\r\n",
        "★1:" + std::string(1 << 20, 'a') + "\r\n",
        "（１２）" + repeated("ア／", 1 << 18) + "\r\n",
        random_text(1 << 20, 1),
        random_text(1 << 20, 2),
        // Many headers with nothing that ends their search: no blank line, no URL, no field line.
        repeated("■1\r\n【雑貨】\r\nhttp://a.jp/\r\n賞品名：a\r\n[期間] 5/1 ～ 5/31\r\n", 6000),
        repeated("■1┬┤☆a\r\n├┤締切日☆5/31\r\n", 6000),
        repeated("【賞品】a (締切日5/1)\r\n本文\r\n", 6000),
        repeated("【賞品】　a\r\n【締　切】：2001/05/31\r\n", 6000),
    };
}

TEST(Formats106To115Robustness, EveryParserReturnsOnHostileTexts) {
    const auto texts = hostile_texts();
    for (int code = 106; code <= 115; ++code) {
        for (std::size_t n = 0; n < texts.size(); ++n) {
            platform::MemoryPlatform platform;
            platform.set_now({2001, 5, 10, 9, 0, 0});
            platform.set_clipboard_text(texts[n]);
            ui::Form3 form;
            extract::Primitives x(form, platform);
            const auto start = std::chrono::steady_clock::now();
            parser_for(code)(x);
            const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
            EXPECT_LT(seconds.count(), 10.0) << "format " << code << ", text " << n;
            // Each line reaches List2 at most a few times over, never once per header above it.
            EXPECT_LT(form.List2.rows().size(), 4 * form.Lines.size() + 10)
                << "format " << code << ", text " << n;
        }
    }
}

}  // namespace
}  // namespace velmora::formats

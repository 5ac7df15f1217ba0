// Every parser of formats 116 to 125 over hostile texts: empty, bare line breaks, a header as the
// very last line, headers that never find their URL or closing rule, a megabyte on one line and
// random bytes. Each must return, in bounded time, without reading outside the lines.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "formats/parsers.h"
#include "platform/memory_platform.h"
#include "text/text.h"

namespace velmora::formats {
namespace {

std::string repeated(std::string_view piece, int times) {
    std::string out;
    for (int n = 0; n < times; ++n) {
        out += piece;
    }
    return out;
}

std::string random_text(unsigned seed, std::size_t size) {
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string raw;
    for (std::size_t n = 0; n < size; ++n) {
        const int b = byte(gen);
        raw += b < 24 ? std::string("\r\n") : std::string(1, static_cast<char>(b));
    }
    return text::sanitize(raw);
}

std::vector<std::string> hostile_texts() {
    const char* headers[] = {"> ◆ 賞品", "■賞品", "★賞品 A", "001◆賞品", "★A 5/31締切(x)",
                             "│■懸賞01", "=====", "▼賞品",   "[賞品名]", "*****"};
    std::vector<std::string> texts = {"", "\r\n", "\r\n\r\n\r\n", "> ◆ 改行のない一行", "=====", "*****\r\n"};
    for (const char* h : headers) {
        texts.push_back(std::string("前置き\r\n") + h);           // the header without its line break
        texts.push_back(std::string("前置き\r\n") + h + "\r\n");  // the header as the last line
        texts.push_back(repeated(std::string(h) + "\r\n", 300));  // headers all the way down
    }
    texts.push_back(repeated("===== x\r\n", 300));  // no line ends with a rule
    // A title between rules, then rules with a blank or a word after them.
    texts.push_back("=====\r\n題名\r\n=====\r\n" + repeated("===== \r\n===== x\r\n", 150));
    texts.push_back(repeated("=====\r\n【応募期間】\r\n", 200));  // empty titles between rules
    texts.push_back(repeated("001◆続く題名\r\n", 2000));          // a title that never finds its URL
    texts.push_back("=====\r\n" + repeated("題名の続き\r\n", 2000));
    texts.push_back(repeated("│■\r\n", 500));
    texts.push_back("> ◆ " + std::string(1 << 20, 'x') + "\r\n|締:" + std::string(1 << 20, '=') + "\r\n");
    texts.push_back(repeated("…", 1 << 18) + "\r\n> ◆ …\r\n");
    for (unsigned seed = 1; seed <= 4; ++seed) {
        texts.push_back(random_text(seed, 64 * 1024));
    }
    return texts;
}

// Runs the parser on another thread; a parser that does not return in time ends the test binary,
// since its thread still uses the state of this test.
void run_bounded(int code, const std::string& clipboard, std::size_t index) {
    platform::MemoryPlatform platform;
    platform.set_now({2001, 5, 10, 9, 0, 0});
    platform.set_clipboard_text(clipboard);
    ui::Form3 form;
    extract::Primitives x(form, platform);
    std::packaged_task<void()> task([&] { parser_for(code)(x); });
    std::future<void> done = task.get_future();
    std::thread runner(std::move(task));
    if (done.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
        std::fprintf(stderr, "format %d did not return on hostile text %zu\n", code, index);
        std::_Exit(1);
    }
    runner.join();
    // Every title row starts an entry in all three lists.
    EXPECT_EQ(form.List1.count() > 0, form.List3.count() > 0) << code << " text " << index;
}

TEST(Formats116To125Robustness, EveryParserReturnsOnHostileTexts) {
    const std::vector<std::string> texts = hostile_texts();
    for (int code = 116; code <= 125; ++code) {
        ASSERT_NE(parser_for(code), nullptr) << code;
        for (std::size_t n = 0; n < texts.size(); ++n) {
            run_bounded(code, texts[n], n);
        }
    }
}

}  // namespace
}  // namespace velmora::formats

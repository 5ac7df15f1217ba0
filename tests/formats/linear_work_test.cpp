// Hostile newsletters made of one item repeated: doubling the text at most doubles the lines a
// parser reads and the rows it adds, so that no newsletter can hang the program or fill its memory.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "formats/parsers.h"
#include "ledger/shared_procedures.h"
#include "platform/memory_platform.h"
#include "text/step_count.h"

namespace velmora::formats {
namespace {

struct Work {
    std::uint64_t steps = 0;
    long rows = 0;
};

Work parse_repeated(int code, const std::string& item, int times) {
    platform::MemoryPlatform platform;
    platform.set_now({2001, 5, 10, 9, 0, 0});
    ui::Form3 form;
    form.Today = ledger::today_text(platform.now());
    std::string newsletter;
    for (int i = 0; i < times; ++i) {
        newsletter += item;
    }
    platform.set_clipboard_text(newsletter);
    extract::Primitives x(form, platform);
    const text::StepCount steps;
    parser_for(code)(x);
    return {steps.taken(), form.List1.count() + form.List2.count() + form.List3.count()};
}

std::uint64_t lines_of(std::string_view item) {
    std::uint64_t lines = 0;
    for (std::size_t at = item.find("\r\n"); at != std::string_view::npos; at = item.find("\r\n", at + 2)) {
        ++lines;
    }
    return lines;
}

TEST(LinearWork, DoublingARepeatedItemAtMostDoublesTheWork) {
    const struct {
        int code;
        const char* item;
    } cases[] = {
        {117, "■t\r\nhttp://a.example/\r\n-----\r\n"},  // no deadline line below any header
        {117, "■t\r\nhttp://a.example/\r\n"},           // no rule either
        {118, "★賞品X\r\n☆締切1/1\r\n\r\n"},            // deadlines but no URL line
        {118, "★賞品X\r\n続き\r\n"},                    // every header runs on to a second line
        {122, "=====\r\nA\r\n"},                        // no period line between the rules
        {122, "=====\r\nA\r\n=====\r\n【URL】\r\nhttp://a.example/\r\n"},
    };
    constexpr int kTimes = 1000;
    for (const auto& c : cases) {
        const Work once = parse_repeated(c.code, c.item, kTimes);
        const Work twice = parse_repeated(c.code, c.item, 2 * kTimes);
        EXPECT_LE(twice.steps, 2 * once.steps + once.steps / 10) << c.code << " " << c.item;
        EXPECT_LE(twice.rows, 2 * once.rows + 2) << c.code << " " << c.item;
        // A few steps for each line of the text.
        EXPECT_LE(once.steps, 20u * kTimes * lines_of(c.item)) << c.code << " " << c.item;
    }
}

}  // namespace
}  // namespace velmora::formats

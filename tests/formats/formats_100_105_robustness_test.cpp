// Formats 100 to 105 over hostile texts: every parser returns, without crash and in bounded time,
// on empty and broken texts, headers on the very last line, one huge line, random bytes, and long
// runs of headers whose closing marks never come.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "formats/parsers.h"
#include "ledger/shared_procedures.h"
#include "platform/memory_platform.h"
#include "text/text.h"

namespace velmora::formats {
namespace {

// Every start marker and header these formats look for, so that the texts below reach every branch.
const std::vector<std::string> kMarkers = {
    "--∇",
    "|[賞品]",
    "[ホームページ]",
    "[URL]",
    "[応募期間]",
    "[内容]",
    "●お",
    "■01",
    "◆02 締切",
    "■Chance It! お便りコーナー■",
    "詳細",
    "━━━━━━━",
    "01・・・",
    "[締切日]",
    "１>>",
    "２>>",
    "●",
    "------",
    "  -------",
    "===[PR]==",
    "=========",
    "☆★",
    "【賞品内容】",
    "【応募締切】",
    "【コメント】",
    "htt",
};

std::string repeat_lines(std::string_view line, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> hostile_texts() {
    std::vector<std::string> texts = {"", "\r\n", "\r\n\r\n\r\n", "一行だけ", "\r", "\n\n"};
    for (const std::string& marker : kMarkers) {
        texts.push_back(marker);           // the only line, no break
        texts.push_back(marker + "\r\n");  // the last line
        texts.push_back("詳細\r\n━━━━━━━\r\n１>>\r\n１>>\r\n" + marker + "\r\n");
        texts.push_back("--∇\r\n●お\r\n■01\r\n" + marker);  // last line without a break
    }
    std::string huge(1 << 20, 'a');
    for (std::size_t i = 0; i < huge.size(); i += 4096) {
        huge.replace(i, 3, "htt");
    }
    texts.push_back(huge);
    texts.push_back("【賞品内容】" + huge + "【\r\n" + huge + "\r\n");
    texts.push_back("☆★" + huge + "\r\n" + huge + "\r\n");

    std::mt19937 random(20010510);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int n = 0; n < 20; ++n) {
        std::string bytes(4000, '\0');
        for (char& c : bytes) {
            c = static_cast<char>(byte(random));
        }
        texts.push_back(text::sanitize(bytes));
        texts.push_back(text::sanitize(kMarkers[static_cast<std::size_t>(n) % kMarkers.size()] + bytes));
    }
    return texts;
}

// Long runs that a naive search from every header would walk again and again.
std::vector<std::string> long_runs() {
    return {
        "■01\r\n" + repeat_lines("●お", 20000),
        "１>>\r\n１>>\r\n" + repeat_lines("===[PR]==", 20000),
        "１>>\r\n１>>\r\n" + repeat_lines("２>>", 20000),
        repeat_lines("【賞品内容】賞品\r\n≫ http://a.example.jp/ ≪≪", 10000),
        repeat_lines("☆★賞品", 20000),
        "--∇\r\n" + repeat_lines("[ホームページ]", 20000),
        "詳細\r\n━━━━━━━\r\n" + repeat_lines("01・・・賞品", 20000),
    };
}

void run_all(const std::vector<std::string>& texts, std::chrono::seconds limit) {
    platform::MemoryPlatform platform;
    for (int code = 100; code <= 105; ++code) {
        const auto started = std::chrono::steady_clock::now();
        for (const std::string& text : texts) {
            platform.set_clipboard_text(text);
            ui::Form3 form;
            form.Today = ledger::today_text(platform.now());
            extract::Primitives x(form, platform);
            parser_for(code)(x);
            // Whatever the text, a contest never has more data rows than the text has lines.
            EXPECT_LE(form.List1.count(), static_cast<long>(form.Lines.size())) << code;
        }
        EXPECT_LT(std::chrono::steady_clock::now() - started, limit) << "format " << code;
    }
}

TEST(Formats100To105Robustness, HostileTextsEndQuietly) {
    run_all(hostile_texts(), std::chrono::seconds(20));
}

TEST(Formats100To105Robustness, LongRunsOfUnclosedHeadersStayLinear) {
    run_all(long_runs(), std::chrono::seconds(20));
}

}  // namespace
}  // namespace velmora::formats

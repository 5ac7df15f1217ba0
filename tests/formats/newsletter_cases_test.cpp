// Runs every newsletter sample in tests/data/newsletters/ through its format's parser and
// compares the three lists row by row with the sample's .expect file:
//
//   format 117
//   today 2001/05/10 09:00:00      (optional; the clock for FixDate and Today)
//   [List1]
//   01 title ...
//   [List2]
//   ...
//   [List3]
//   ...
//
// The sample NAME.txt is the clipboard text: its lines joined with CR LF, ending with CR LF.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "formats/parsers.h"
#include "ledger/shared_procedures.h"
#include "platform/memory_platform.h"
#include "text/text.h"

namespace velmora::formats {
namespace {

namespace fs = std::filesystem;

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::vector<std::string> file_lines(const fs::path& path) {
    std::string content = read_file(path);
    content = text::replace_all(content, "\r\n", "\n");
    std::vector<std::string> lines = text::split(content, "\n");
    if (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

struct Expectation {
    int code = 0;
    locale::DateTime now{2001, 5, 10, 9, 0, 0};
    std::vector<std::string> lists[3];
};

Expectation read_expectation(const fs::path& path) {
    Expectation e;
    int section = -1;
    for (const std::string& line : file_lines(path)) {
        if (section < 0 && text::starts_with(line, "format ")) {
            e.code = static_cast<int>(text::leading_number(text::mid(line, 8)));
        } else if (section < 0 && text::starts_with(line, "today ")) {
            const auto parts = text::split(text::mid(line, 7), " ");
            const auto ymd = text::split(parts[0], "/");
            e.now.year = static_cast<int>(text::leading_number(ymd.at(0)));
            e.now.month = static_cast<int>(text::leading_number(ymd.at(1)));
            e.now.day = static_cast<int>(text::leading_number(ymd.at(2)));
            if (parts.size() > 1) {
                const auto hms = text::split(parts[1], ":");
                e.now.hour = static_cast<int>(text::leading_number(hms.at(0)));
                e.now.minute = static_cast<int>(text::leading_number(hms.at(1)));
                e.now.second = static_cast<int>(text::leading_number(hms.at(2)));
            }
        } else if (line == "[List1]") {
            section = 0;
        } else if (line == "[List2]") {
            section = 1;
        } else if (line == "[List3]") {
            section = 2;
        } else if (section >= 0) {
            e.lists[section].push_back(line);
        }
    }
    return e;
}

std::string clipboard_text_of(const fs::path& sample) {
    return text::join(file_lines(sample), "\r\n") + "\r\n";
}

void expect_rows(const char* name, const std::vector<std::string>& expected,
                 const std::vector<std::string>& found, const std::string& sample) {
    const std::size_t n = std::max(expected.size(), found.size());
    for (std::size_t i = 0; i < n; ++i) {
        const std::string want = i < expected.size() ? expected[i] : "<no row>";
        const std::string got = i < found.size() ? found[i] : "<no row>";
        EXPECT_EQ(want, got) << sample << " " << name << " row " << i;
        if (want != got) {
            return;  // one mismatch per list is enough to read
        }
    }
}

TEST(NewsletterSamples, EverySampleGivesItsExpectedLists) {
    const fs::path dir = fs::path(VELMORA_TEST_DATA_DIR) / "newsletters";
    int checked = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path().extension() != ".expect") {
            continue;
        }
        const fs::path sample = fs::path(entry.path()).replace_extension(".txt");
        ASSERT_TRUE(fs::exists(sample)) << sample;
        const Expectation e = read_expectation(entry.path());
        const Parser parser = parser_for(e.code);
        ASSERT_NE(parser, nullptr) << entry.path() << ": no parser for format " << e.code;

        platform::MemoryPlatform platform;
        platform.set_now(e.now);
        platform.set_clipboard_text(clipboard_text_of(sample));
        ui::Form3 form;
        form.Today = ledger::today_text(e.now);
        extract::Primitives x(form, platform);
        parser(x);

        const std::string name = sample.filename().string();
        expect_rows("List1", e.lists[0], form.List1.rows().to_vector(), name);
        expect_rows("List2", e.lists[1], form.List2.rows().to_vector(), name);
        expect_rows("List3", e.lists[2], form.List3.rows().to_vector(), name);
        ++checked;
    }
    SUCCEED() << checked << " samples";
}

}  // namespace
}  // namespace velmora::formats

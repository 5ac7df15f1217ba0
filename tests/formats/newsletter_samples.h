#pragma once
// The sample newsletters of tests/data/newsletters/: NAME.txt is the clipboard text (its lines
// joined with CR LF, ending with CR LF) and NAME.expect the lists its format's parser gives:
//
//   format 117
//   today 2001/05/10 09:00:00      (optional; the clock for FixDate and Today)
//   [List1]
//   01 title ...
//   [List2]
//   ...
//   [List3]
//   ...

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/date.h"
#include "text/text.h"

namespace velmora::testing {

namespace fs = std::filesystem;

inline std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline std::vector<std::string> file_lines(const fs::path& path) {
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

inline void read_today(const std::string& text, locale::DateTime& now) {
    const auto parts = text::split(text, " ");
    const auto ymd = text::split(parts[0], "/");
    now.year = static_cast<int>(text::leading_number(ymd.at(0)));
    now.month = static_cast<int>(text::leading_number(ymd.at(1)));
    now.day = static_cast<int>(text::leading_number(ymd.at(2)));
    if (parts.size() > 1) {
        const auto hms = text::split(parts[1], ":");
        now.hour = static_cast<int>(text::leading_number(hms.at(0)));
        now.minute = static_cast<int>(text::leading_number(hms.at(1)));
        now.second = static_cast<int>(text::leading_number(hms.at(2)));
    }
}

inline Expectation read_expectation(const fs::path& path) {
    Expectation e;
    int section = -1;
    for (const std::string& line : file_lines(path)) {
        if (section < 0 && text::starts_with(line, "format ")) {
            e.code = static_cast<int>(text::leading_number(text::mid(line, 8)));
        } else if (section < 0 && text::starts_with(line, "today ")) {
            read_today(text::mid(line, 7), e.now);
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

inline std::string clipboard_text_of(const fs::path& sample) {
    return text::join(file_lines(sample), "\r\n") + "\r\n";
}

// Every sample that has its expected lists, in name order.
inline std::vector<fs::path> expectation_files() {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(fs::path(VELMORA_TEST_DATA_DIR) / "newsletters")) {
        if (entry.path().extension() == ".expect") {
            found.push_back(entry.path());
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

inline void expect_rows(const char* name, const std::vector<std::string>& expected,
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

}  // namespace velmora::testing

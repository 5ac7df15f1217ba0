#pragma once
// The six data files the program rewrites, each with a way to save one of two contents through
// its own writer, so that a test can run the same failure against every file kind.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "store/store.h"

namespace velmora::store::testing {

// Which of two contents to save: the one already on the disk, or the one that replaces it.
enum class Content { Old, New };

struct FileKind {
    std::string_view name;
    std::function<SaveResult(const std::filesystem::path& dir, Content content)> save;
};

// Lines of one content; the new one holds a character outside the code page, so that it is
// written as UTF-8 while the old file is in code page 932.
inline std::vector<std::string> lines_of(Content content, int count) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        lines.push_back(content == Content::Old
                            ? "2001/05/31http://old.jp/" + std::to_string(i) + "/,\"懸賞\""
                            : "2001/06/30http://new.jp/" + std::to_string(i) + "/𠮷");
    }
    return lines;
}

inline std::vector<FileKind> every_file_kind(int lines = 3) {
    return {
        {kWindowFile,
         [lines](const std::filesystem::path& dir, Content c) {
             return save_window_file(dir, c == Content::Old ? 1200 : 2400, 300, lines_of(c, lines));
         }},
        {kHistoryFile, [lines](const std::filesystem::path& dir,
                               Content c) { return save_history(dir, lines_of(c, lines)); }},
        {kFlowchartFile,
         [lines](const std::filesystem::path& dir, Content c) {
             std::vector<Flowchart> flowcharts;
             for (const auto& line : lines_of(c, lines)) {
                 flowcharts.push_back({line, "01%T02%T"});
             }
             return save_flowcharts(dir, flowcharts);
         }},
        {kIdBookFile, [lines](const std::filesystem::path& dir,
                              Content c) { return save_id_book(dir, lines_of(c, lines)); }},
        {kStockFile, [lines](const std::filesystem::path& dir,
                             Content c) { return save_stock(dir, lines_of(c, lines)); }},
        {kPasswordFile,
         [lines](const std::filesystem::path& dir, Content c) {
             return save_password_file(dir, {c == Content::New, lines_of(c, lines)});
         }},
    };
}

}  // namespace velmora::store::testing

// zov1.ini: the main window's Top and Left, then the 65 profile texts.

#include <algorithm>

#include "store/store.h"
#include "text/text.h"

namespace velmora::store {
namespace {

constexpr std::size_t kFirstField = 2;

}  // namespace

std::optional<WindowFile> load_window_file(const std::filesystem::path& dir) {
    auto lines = read_lines(dir / kWindowFile);
    if (!lines) {
        return std::nullopt;
    }
    WindowFile file;
    if (lines->size() > 0) {
        file.top = text::leading_number((*lines)[0]);
    }
    if (lines->size() > 1) {
        file.left = text::leading_number((*lines)[1]);
    }
    const std::size_t end = std::min(lines->size(), kFirstField + kProfileFieldCount);
    for (std::size_t i = kFirstField; i < end; ++i) {
        file.fields.push_back(std::move((*lines)[i]));
    }
    return file;
}

SaveResult save_window_file(const std::filesystem::path& dir, double top, double left,
                            const std::vector<std::string>& fields) {
    std::vector<std::string> lines{number_line(top), number_line(left)};
    for (std::size_t i = 0; i < static_cast<std::size_t>(kProfileFieldCount); ++i) {
        lines.push_back(i < fields.size() ? fields[i] : std::string());
    }
    return write_lines(dir / kWindowFile, lines);
}

}  // namespace velmora::store

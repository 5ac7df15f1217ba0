// zov3.ini: one flowchart per line, its title, "%0" and its code.

#include "store/store.h"
#include "text/text.h"

namespace velmora::store {
namespace {

constexpr std::string_view kMark = "%0";

Flowchart parse(const std::string& line) {
    const long mark = text::find(line, kMark);
    if (mark == 0) {
        return {line, {}};
    }
    return {text::left(line, mark - 1), text::mid(line, mark + text::length(kMark))};
}

}  // namespace

std::optional<std::vector<Flowchart>> load_flowcharts(const std::filesystem::path& dir) {
    auto lines = read_lines(dir / kFlowchartFile);
    if (!lines) {
        return std::nullopt;
    }
    std::vector<Flowchart> flowcharts;
    for (const auto& line : *lines) {
        flowcharts.push_back(parse(line));
    }
    return flowcharts;
}

SaveResult save_flowcharts(const std::filesystem::path& dir, const std::vector<Flowchart>& flowcharts) {
    std::vector<std::string> lines;
    for (const auto& f : flowcharts) {
        lines.push_back(f.title + std::string(kMark) + f.code);
    }
    return write_lines(dir / kFlowchartFile, lines);
}

}  // namespace velmora::store

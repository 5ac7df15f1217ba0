#include "extract/generic/contest_finder.h"

#include "extract/generic/table_rows.h"
#include "extract/generic/work_meter.h"

namespace velmora::extract::generic {

std::vector<std::string_view> split_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t p = 0; p < text.size(); ++p) {
        if (text[p] == '\n' || text[p] == '\r') {
            lines.push_back(text.substr(start, p - start));
            if (text[p] == '\r' && p + 1 < text.size() && text[p + 1] == '\n') {
                ++p;
            }
            start = p + 1;
        }
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

std::vector<FoundContest> find_contests(std::string_view text) {
    return find_contests(split_lines(text));
}

std::vector<FoundContest> find_contests(const std::vector<std::string_view>& text_lines) {
    std::vector<LineInfo> lines = classify_lines(text_lines);
    read_tables(lines);
    const NoiseMap noise = map_noise(lines);
    std::vector<FoundContest> found;
    for (const Block& block : group_blocks(lines)) {
        if (is_contest(lines, block, noise)) {
            found.push_back(pick_fields(lines, block));
        }
    }
    return found;
}

}  // namespace velmora::extract::generic

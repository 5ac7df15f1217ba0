#pragma once
// The second pass of the general extractor: the classified lines grouped into blocks, one per
// contest where the layout allows. Lines between blank lines, rules and banners make segments;
// a segment that only names a prize takes in the segments below it up to its address; a segment
// that holds several items is split at the heads they share (■, １．, 【】, A賞, one item per line,
// an outdented line, or an address ending each item), choosing the split whose parts each have
// a prize and an address.
//
//   for (const Block& b : group_blocks(lines)) { ... lines[b.first] ... lines[b.last] ... }

#include <cstddef>
#include <vector>

#include "extract/generic/line_info.h"

namespace velmora::extract::generic {

struct Block {
    std::size_t first = 0;  // line indexes, both included; blank and rule lines inside are skipped
    std::size_t last = 0;
};

std::vector<Block> group_blocks(const std::vector<LineInfo>& lines);

// Passes that group_blocks runs in turn, for tests.
std::vector<Block> segments(const std::vector<LineInfo>& lines);
std::vector<Block> merge_segments(const std::vector<LineInfo>& lines, const std::vector<Block>& segments);
std::vector<Block> split_block(const std::vector<LineInfo>& lines, const Block& block);

// Whether a block holds an address that is not noise, and a line that could name a prize.
bool has_entry_url(const std::vector<LineInfo>& lines, const Block& block);
bool has_title(const std::vector<LineInfo>& lines, const Block& block);

}  // namespace velmora::extract::generic

#pragma once
// The general extractor's passes in one call, without the window: a newsletter's text in, its
// contests out (prize title, detail lines, deadline as found, entry address), in newsletter order.
// Pure and deterministic; the clock only enters when the deadline is written (deadline_text).
//
//   for (const FoundContest& c : find_contests(text)) { c.title; c.deadline; c.url; }

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "extract/generic/blocks.h"
#include "extract/generic/date_scan.h"
#include "extract/generic/line_info.h"

namespace velmora::extract::generic {

struct FoundContest {
    std::string title;                 // the prize as the newsletter names it
    std::vector<std::string> details;  // the contest's other lines, as written
    std::optional<DateValue> deadline;
    std::string url;
};

// Lines split at CR LF, LF or a lone CR.
std::vector<std::string_view> split_lines(std::string_view text);

std::vector<FoundContest> find_contests(std::string_view text);
std::vector<FoundContest> find_contests(const std::vector<std::string_view>& lines);

// What the whole newsletter says about noise: per line, whether it lies under a heading of
// noise (━━ PR ━━, 【編集後記】) up to the next heading or rule; and the newsletter's own hosts,
// those of its addresses for unsubscribing, back numbers and the like.
struct NoiseMap {
    std::vector<bool> sections;
    std::vector<std::string> own_hosts;
};
NoiseMap map_noise(const std::vector<LineInfo>& lines);
// "https://Mag.Example.jp/x" -> "mag.example.jp"
std::string host_of(std::string_view url);

// Whether a block is a contest: an address that is not noise, a prize line, and enough signs of
// a prize (a number of winners, a deadline, prize words) against the signs of noise.
bool is_contest(const std::vector<LineInfo>& lines, const Block& block, const NoiseMap& noise);
// Last pass: the contest's fields picked from its block.
FoundContest pick_fields(const std::vector<LineInfo>& lines, const Block& block);

}  // namespace velmora::extract::generic

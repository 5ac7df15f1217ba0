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

// A block's score as a contest: its signs of a prize (a number of winners, a deadline, prize
// words) against its signs of noise; nothing when it cannot be one (no address that is not noise,
// no prize line, an advertisement, under a heading of noise). A contest from kContestScore on;
// one on the newsletter's own site needs kOwnSite more, unless many contests share that site (it
// then sends its readers on from there).
std::optional<int> contest_score(const std::vector<LineInfo>& lines, const Block& block,
                                 const NoiseMap& noise);
inline constexpr int kContestScore = 3;
inline constexpr int kOwnSite = 3;
inline constexpr int kSharedSite = 3;
// Last pass: the contest's fields picked from its block.
FoundContest pick_fields(const std::vector<LineInfo>& lines, const Block& block);

}  // namespace velmora::extract::generic

#include "extract/generic/contest_finder.h"

#include <algorithm>
#include <unordered_map>

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

namespace {

struct Candidate {
    FoundContest contest;
    int score = 0;
    std::string host;  // of its address
};

// A block on the newsletter's own site stays only with the stronger score, unless several
// contests lead through that site (it then forwards its readers to the contests).
std::vector<FoundContest> keep_contests(std::vector<Candidate> candidates, const NoiseMap& noise) {
    auto own = [&noise](const std::string& host) {
        return std::find(noise.own_hosts.begin(), noise.own_hosts.end(), host) != noise.own_hosts.end();
    };
    std::unordered_map<std::string, int> uses;
    for (const Candidate& c : candidates) {
        uses[c.host] += 1;
    }
    std::vector<FoundContest> kept;
    for (Candidate& c : candidates) {
        if (!own(c.host) || uses[c.host] >= kSharedSite || c.score >= kContestScore + kOwnSite) {
            kept.push_back(std::move(c.contest));
        }
    }
    return kept;
}

}  // namespace

std::vector<FoundContest> find_contests(const std::vector<std::string_view>& text_lines) {
    std::vector<LineInfo> lines = classify_lines(text_lines);
    read_tables(lines);
    const NoiseMap noise = map_noise(lines);
    std::vector<Candidate> candidates;
    for (const Block& block : group_blocks(lines)) {
        const std::optional<int> score = contest_score(lines, block, noise);
        if (score && *score >= kContestScore) {
            FoundContest contest = pick_fields(lines, block);
            std::string host = host_of(contest.url);
            candidates.push_back({std::move(contest), *score, std::move(host)});
        }
    }
    return keep_contests(std::move(candidates), noise);
}

}  // namespace velmora::extract::generic

#include "extract/generic/contest_finder.h"

#include <algorithm>

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
    struct Candidate {
        FoundContest contest;
        int score;
        bool own_site;
    };
    std::vector<Candidate> candidates;
    std::vector<std::pair<std::string, int>> own_site_uses;
    for (const Block& block : group_blocks(lines)) {
        const std::optional<int> score = contest_score(lines, block, noise);
        if (!score || *score < kContestScore) {
            continue;
        }
        FoundContest contest = pick_fields(lines, block);
        const std::string host = host_of(contest.url);
        const bool own =
            std::find(noise.own_hosts.begin(), noise.own_hosts.end(), host) != noise.own_hosts.end();
        if (own) {
            auto use = std::find_if(own_site_uses.begin(), own_site_uses.end(),
                                    [&](const auto& u) { return u.first == host; });
            if (use == own_site_uses.end()) {
                own_site_uses.emplace_back(host, 1);
            } else {
                use->second += 1;
            }
        }
        candidates.push_back({std::move(contest), *score, own});
    }
    std::vector<FoundContest> found;
    for (Candidate& c : candidates) {
        const std::string host = host_of(c.contest.url);
        const auto use = std::find_if(own_site_uses.begin(), own_site_uses.end(),
                                      [&](const auto& u) { return u.first == host; });
        const bool shared = use != own_site_uses.end() && use->second >= kSharedSite;
        if (!c.own_site || shared || c.score >= kContestScore + kOwnSite) {
            found.push_back(std::move(c.contest));
        }
    }
    return found;
}

}  // namespace velmora::extract::generic

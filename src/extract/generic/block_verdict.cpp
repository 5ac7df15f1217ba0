// Telling contests from noise: headings that open a section of noise, and the score of a block's
// signs of a prize against its signs of noise.
#include <algorithm>
#include <cctype>

#include "extract/generic/contest_finder.h"
#include "extract/generic/work_meter.h"

namespace velmora::extract::generic {
namespace {

// A heading over a section: a banner, a line wholly in brackets, a noise label alone (【PR】), or
// a line of its own between two rules (a boxed title).
bool is_heading(const std::vector<LineInfo>& lines, std::size_t i) {
    const LineInfo& line = lines[i];
    if (line.kind == LineKind::Banner) {
        return true;
    }
    if (line.kind != LineKind::Text || !line.urls.empty()) {
        return false;
    }
    const bool boxed = i > 0 && i + 1 < lines.size() && lines[i - 1].kind == LineKind::Rule &&
                       lines[i + 1].kind == LineKind::Rule;
    return boxed || line.head.wrapped || (line.head.label_only && line.head.label == Label::Noise);
}

bool is_noise_heading(const LineInfo& line) {
    return line.admin || line.sponsor || line.head.label == Label::Noise;
}

// Weights of the signs; a block is a contest from kContestScore on.
constexpr int kCountCue = 3;
constexpr int kDeadline = 3;
constexpr int kOtherDate = 1;
constexpr int kMostPrizeWords = 3;
constexpr int kEntryUrl = 1;
constexpr int kMarkedHead = 1;
constexpr int kPrizeLabel = 2;
constexpr int kWeakNoise = -1;
constexpr int kAdminLine = -2;

// Per line, whether it lies under a heading of noise.
std::vector<bool> noise_sections(const std::vector<LineInfo>& lines);

}  // namespace

std::string host_of(std::string_view url) {
    const std::size_t scheme = url.find("://");
    std::size_t begin = scheme == std::string_view::npos ? 0 : scheme + 3;
    std::size_t end = url.find_first_of("/?#", begin);
    std::string host(url.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin));
    for (char& c : host) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return host;
}

NoiseMap map_noise(const std::vector<LineInfo>& lines) {
    NoiseMap map;
    map.sections = noise_sections(lines);
    constexpr std::size_t kMostHosts = 16;
    bool sponsored = false;  // under a heading of advertisements rather than the newsletter's own
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineInfo& line = lines[i];
        sponsored = map.sections[i] && (is_heading(lines, i) ? line.sponsor : sponsored);
        for (const LineUrl& u : line.urls) {
            // The addresses of the newsletter's own business, labelled or under its headings; an
            // advertisement's address is someone else's site.
            const bool own = u.kind == UrlKind::Noise || (map.sections[i] && !sponsored);
            if (!own || line.sponsor || map.own_hosts.size() >= kMostHosts) {
                continue;
            }
            std::string host = host_of(u.url);
            if (std::find(map.own_hosts.begin(), map.own_hosts.end(), host) == map.own_hosts.end()) {
                map.own_hosts.push_back(std::move(host));
            }
        }
    }
    return map;
}

namespace {

std::vector<bool> noise_sections(const std::vector<LineInfo>& lines) {
    std::vector<bool> noise(lines.size(), false);
    bool on = false;
    bool content_since_heading = false;  // a rule right under a heading underlines it, it does not end it
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineInfo& line = lines[i];
        if (line.kind == LineKind::Rule) {
            on = on && !content_since_heading;
        } else if (is_heading(lines, i)) {
            on = is_noise_heading(line);
            content_since_heading = false;
        } else if (line.kind == LineKind::Text) {
            content_since_heading = true;
        }
        noise[i] = on;
    }
    return noise;
}

}  // namespace

std::optional<int> contest_score(const std::vector<LineInfo>& lines, const Block& block,
                                 const NoiseMap& noise) {
    std::size_t lead = block.last + 1;
    bool url = false;
    bool title = false;
    bool count = false;
    bool deadline = false;
    bool other_date = false;
    bool entry = false;
    bool prize_label = false;
    int prize_words = 0;
    int score = 0;
    for (std::size_t i = block.first; i <= block.last; ++i) {
        const LineInfo& line = lines[i];
        count_work(1);
        if (line.kind != LineKind::Text && line.kind != LineKind::Banner) {
            continue;
        }
        if (lead > block.last) {
            lead = i;
        }
        if (line.sponsor) {
            return std::nullopt;  // an advertisement, whatever it offers
        }
        for (const LineUrl& u : line.urls) {
            url = url || u.kind != UrlKind::Noise;
            entry = entry || u.kind == UrlKind::Entry;
        }
        title = title || (line.title_like() && !line.admin);
        count = count || line.count_cue;
        // A deadline label says there is a deadline, even one that is none ("締切：なし").
        deadline = deadline || line.head.label == Label::Deadline || line.head.label == Label::Period;
        for (const DateHit& d : line.dates) {
            deadline = deadline || d.role == Role::Deadline || d.role == Role::Period;
            other_date = other_date || d.role == Role::None;
        }
        prize_words += line.prize_cues;
        prize_label = prize_label || line.head.label == Label::Prize || line.head.label == Label::Rank;
        score += kWeakNoise * line.weak;
        if (line.admin && line.urls.empty()) {
            score += kAdminLine;
        }
    }
    if (lead > block.last || noise.sections[lead] || !url || !title ||
        (lines[lead].admin && !lines[lead].title_like())) {
        return std::nullopt;
    }
    if (lines[lead].admin && !lines[lead].urls.empty()) {
        if (!count && !deadline) {
            return std::nullopt;
        }
        score += kAdminLine;  // a one-line item of the newsletter's own ("読者アンケート…")
    }
    score += count ? kCountCue : 0;
    score += deadline ? kDeadline : (other_date ? kOtherDate : 0);
    score += std::min(prize_words, kMostPrizeWords);
    score += entry ? kEntryUrl : 0;
    score += prize_label ? kPrizeLabel : 0;
    score += lines[lead].head.signature() != 0 ? kMarkedHead : 0;
    return score;
}

}  // namespace velmora::extract::generic

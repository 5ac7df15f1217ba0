// Telling contests from noise: headings that open a section of noise, and the score of a block's
// signs of a prize against its signs of noise.
#include <algorithm>

#include "extract/generic/contest_finder.h"
#include "extract/generic/work_meter.h"

namespace velmora::extract::generic {
namespace {

bool is_heading(const LineInfo& line) {
    if (line.kind == LineKind::Banner) {
        return true;
    }
    return line.kind == LineKind::Text && line.urls.empty() &&
           (line.head.wrapped || (line.head.label_only && line.head.label == Label::Noise));
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
constexpr int kContestScore = 3;

}  // namespace

std::vector<bool> noise_sections(const std::vector<LineInfo>& lines) {
    std::vector<bool> noise(lines.size(), false);
    bool on = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineInfo& line = lines[i];
        if (line.kind == LineKind::Rule) {
            on = false;
        } else if (is_heading(line)) {
            on = is_noise_heading(line);
        }
        noise[i] = on;
    }
    return noise;
}

bool is_contest(const std::vector<LineInfo>& lines, const Block& block, const std::vector<bool>& noise) {
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
            return false;  // an advertisement, whatever it offers
        }
        for (const LineUrl& u : line.urls) {
            url = url || u.kind != UrlKind::Noise;
            entry = entry || u.kind == UrlKind::Entry;
        }
        title = title || (line.title_like() && !line.admin);
        count = count || line.count_cue;
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
    if (lead > block.last || noise[lead] || !url || !title || (lines[lead].admin && !lines[lead].title_like())) {
        return false;
    }
    if (lines[lead].admin && lines[lead].urls.empty() == false && !count && !deadline) {
        return false;
    }
    score += count ? kCountCue : 0;
    score += deadline ? kDeadline : (other_date ? kOtherDate : 0);
    score += std::min(prize_words, kMostPrizeWords);
    score += entry ? kEntryUrl : 0;
    score += prize_label ? kPrizeLabel : 0;
    score += lines[lead].head.signature() != 0 ? kMarkedHead : 0;
    return score >= kContestScore;
}

}  // namespace velmora::extract::generic

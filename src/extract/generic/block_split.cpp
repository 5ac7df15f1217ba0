// Splitting a block that holds several items: each way of cutting it (at a head the items share,
// at lines that carry a whole item, at outdented lines, after each address) is scored by its
// parts, and the best one is kept when it beats leaving the block whole.
#include <algorithm>

#include "extract/generic/blocks.h"
#include "extract/generic/work_meter.h"

namespace velmora::extract::generic {
namespace {

enum class Cut : unsigned char { AtHead, AtLine, AfterUrl };

struct Way {
    Cut cut = Cut::AtHead;
    std::vector<std::size_t> starts;  // lines where a part begins (the block's lead excluded)
};

bool is_content(const LineInfo& line) {
    return line.kind == LineKind::Text || line.kind == LineKind::Banner;
}

// A line that could name a prize and says something of one (a number of winners, a prize word, a date).
bool names_prize(const LineInfo& line) {
    return line.title_like() && !line.admin && !line.sponsor &&
           (line.count_cue || line.prize_cues > 0 || !line.dates.empty());
}

bool carries_item(const LineInfo& line) {
    return names_prize(line) && !line.urls.empty() && line.title_end <= line.urls.front().begin;
}

bool has_prize_line(const std::vector<LineInfo>& lines, const Block& part) {
    for (std::size_t i = part.first; i <= part.last; ++i) {
        if (names_prize(lines[i])) {
            return true;
        }
    }
    return false;
}

// Score of cutting the block at `starts`: +1 per part with an address and a prize, -1 per part
// that lacks one, nothing for a heading above the first head or notes after the last address.
int score_of(const std::vector<LineInfo>& lines, const Block& block, const Way& way) {
    int score = 0;
    std::size_t from = block.first;
    for (std::size_t k = 0; k <= way.starts.size(); ++k) {
        const std::size_t to = k < way.starts.size() ? way.starts[k] - 1 : block.last;
        const Block part{from, to};
        const bool url = has_entry_url(lines, part);
        // Cut at heads, a part's head is its title; cut otherwise, a part must name a prize.
        const bool titled = way.cut == Cut::AtHead ? has_title(lines, part) : has_prize_line(lines, part);
        // The first part may be a heading over the items, marked like them or not.
        const bool heading = way.cut != Cut::AfterUrl && k == 0;
        const bool notes = way.cut == Cut::AfterUrl && k == way.starts.size();
        if (!url && (heading || notes)) {
            // neither good nor bad
        } else {
            score += url && titled ? 1 : -1;
        }
        from = to + 1;
    }
    return score;
}

// The block's lines above the way's first cut hold no address, no number of winners and no date.
bool bare_heading(const std::vector<LineInfo>& lines, const Block& block, const Way& way) {
    if (way.cut == Cut::AfterUrl || way.starts.empty()) {
        return false;
    }
    for (std::size_t i = block.first; i < way.starts.front(); ++i) {
        const LineInfo& line = lines[i];
        if (!line.urls.empty() || line.count_cue || !line.dates.empty()) {
            return false;
        }
    }
    return true;
}

std::vector<Block> parts_of(const Block& block, const Way& way) {
    std::vector<Block> parts;
    std::size_t from = block.first;
    for (const std::size_t start : way.starts) {
        parts.push_back({from, start - 1});
        from = start;
    }
    parts.push_back({from, block.last});
    return parts;
}

// The ways worth trying: one per head signature the block's prize lines share, lines that carry
// a whole item, outdented lines, and cutting after each address.
std::vector<Way> ways_to_cut(const std::vector<LineInfo>& lines, const Block& block) {
    constexpr std::size_t kMostSignatures = 64;
    std::vector<int> signatures;
    std::vector<Way> ways;
    Way inline_items{Cut::AtLine, {}};
    Way outdented{Cut::AtLine, {}};
    Way after_url{Cut::AfterUrl, {}};
    int least_indent = -1;
    bool indents_differ = false;
    bool first = true;
    bool url_above = false;
    for (std::size_t i = block.first; i <= block.last; ++i) {
        const LineInfo& line = lines[i];
        if (!is_content(line)) {
            continue;
        }
        if (least_indent >= 0 && line.text.indent != least_indent) {
            indents_differ = true;
        }
        least_indent = least_indent < 0 ? line.text.indent : std::min(least_indent, line.text.indent);
        const int sig = line.head.signature();
        if (line.title_like() && sig != 0) {
            std::size_t at = std::find(signatures.begin(), signatures.end(), sig) - signatures.begin();
            if (at == signatures.size() && signatures.size() < kMostSignatures) {
                signatures.push_back(sig);
                ways.push_back({Cut::AtHead, {}});
            }
            if (at < signatures.size() && !first) {
                ways[at].starts.push_back(i);
            }
        }
        if (carries_item(line) && !first) {
            inline_items.starts.push_back(i);
        }
        if (url_above && line.urls.empty() && !first) {
            after_url.starts.push_back(i);
        }
        url_above = !line.urls.empty();
        first = false;
    }
    if (indents_differ) {
        bool lead = true;
        for (std::size_t i = block.first; i <= block.last; ++i) {
            const LineInfo& line = lines[i];
            if (is_content(line) && line.text.indent == least_indent && line.title_like()) {
                if (!lead) {
                    outdented.starts.push_back(i);
                }
            }
            lead = lead && !is_content(line);
        }
        ways.push_back(std::move(outdented));
    }
    ways.push_back(std::move(inline_items));
    ways.push_back(std::move(after_url));
    return ways;
}

}  // namespace

std::vector<Block> split_block(const std::vector<LineInfo>& lines, const Block& block) {
    const Way whole;
    int best_score = score_of(lines, block, whole);
    const Way* best = &whole;
    const std::vector<Way> ways = ways_to_cut(lines, block);
    for (const Way& way : ways) {
        if (way.starts.empty()) {
            continue;
        }
        count_work(block.last - block.first + 1);
        const int score = score_of(lines, block, way);
        // Even, a cut still wins when all it leaves above its first head is a bare heading.
        if (score > best_score ||
            (score == best_score && best == &whole && bare_heading(lines, block, way))) {
            best_score = score;
            best = &way;
        }
    }
    return parts_of(block, *best);
}

}  // namespace velmora::extract::generic

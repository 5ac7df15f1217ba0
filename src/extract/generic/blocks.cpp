#include "extract/generic/blocks.h"

#include <algorithm>

#include "extract/generic/work_meter.h"

namespace velmora::extract::generic {
namespace {

bool is_content(const LineInfo& line) {
    return line.kind == LineKind::Text || line.kind == LineKind::Banner;
}

bool has_useful_url(const LineInfo& line) {
    return std::any_of(line.urls.begin(), line.urls.end(),
                       [](const LineUrl& u) { return u.kind != UrlKind::Noise; });
}

bool has_kind(const LineInfo& line, UrlKind kind) {
    return std::any_of(line.urls.begin(), line.urls.end(),
                       [kind](const LineUrl& u) { return u.kind == kind; });
}

bool has_deadline(const LineInfo& line) {
    return std::any_of(line.dates.begin(), line.dates.end(),
                       [](const DateHit& d) { return d.role == Role::Deadline || d.role == Role::Period; });
}

// The first content line of a block; `block.last + 1` when it has none.
std::size_t lead_of(const std::vector<LineInfo>& lines, const Block& block) {
    for (std::size_t i = block.first; i <= block.last; ++i) {
        if (is_content(lines[i])) {
            return i;
        }
    }
    return block.last + 1;
}

template <typename Test>
bool any_line(const std::vector<LineInfo>& lines, const Block& block, Test test) {
    for (std::size_t i = block.first; i <= block.last; ++i) {
        count_work(1);
        if (is_content(lines[i]) && test(lines[i])) {
            return true;
        }
    }
    return false;
}

// A line that begins an item of its own: a marked head, or (below an unmarked title) a line
// that gives a number of prizes.
bool starts_item(const LineInfo& line, bool below_marked) {
    if (!line.title_like() || line.admin || line.sponsor) {
        return false;
    }
    return line.head.signature() != 0 || (!below_marked && line.count_cue);
}

// A line of running text rather than a heading: it holds a full stop.
bool is_sentence(const LineInfo& line) {
    return line.text.folded.find("。") != std::string::npos;
}

// One or two lines without a full stop: a heading, or a title with its number of winners.
bool is_short_heading(const std::vector<LineInfo>& lines, const Block& block) {
    int count = 0;
    for (std::size_t i = block.first; i <= block.last; ++i) {
        if (is_content(lines[i]) && (++count > 2 || is_sentence(lines[i]))) {
            return false;
        }
    }
    return count > 0;
}

// A block that so far only names a prize and may take in what follows: its lead is a marked
// head, names a prize, or stands alone as a heading.
bool names_prize_only(const std::vector<LineInfo>& lines, const Block& open, std::size_t lead) {
    const LineInfo& line = lines[lead];
    if (!line.title_like() || line.admin || line.sponsor) {
        return false;
    }
    return line.head.signature() != 0 || line.count_cue || line.prize_cues > 0 ||
           is_short_heading(lines, open);
}

constexpr int kMostSegmentsTakenIn = 4;
constexpr std::size_t kMostLinesTakenIn = 40;

// Whether the open block, which names a prize but has no address yet, takes in the next segment:
// not when that segment begins an item of its own, or has a heading of its own (a short line, not
// a sentence, over an address or alone) and the open block's lead is no marked head.
bool takes_in(const std::vector<LineInfo>& lines, const Block& open, const Block& next) {
    const std::size_t lead = lead_of(lines, open);
    const std::size_t next_lead = lead_of(lines, next);
    if (lead > open.last || next_lead > next.last || next.last - open.first > kMostLinesTakenIn ||
        !names_prize_only(lines, open, lead)) {
        return false;
    }
    const LineInfo& first = lines[next_lead];
    // A marked head ("■温泉旅行") keeps what follows; a heading (a banner, a line wholly in
    // brackets) gives way to a segment with a heading of its own.
    const LineInfo& head = lines[lead];
    const bool marked = head.head.signature() != 0 && head.kind != LineKind::Banner && !head.head.wrapped;
    if (starts_item(first, marked) || first.admin || first.sponsor || first.kind == LineKind::Banner) {
        return false;
    }
    // A heading of its own: a title line over an address, or a short segment of no sentences.
    const bool own_heading = first.title_like() && !is_sentence(first) &&
                             (is_short_heading(lines, next) || has_entry_url(lines, next));
    return marked || !own_heading;
}

// A short segment below a contest that gives what it lacks (its deadline or its entry address),
// or that only adds facts (提供：, 応募条件：) while something is still lacking.
bool completes(const std::vector<LineInfo>& lines, const Block& open, const Block& next) {
    int count = 0;
    bool adds = false;
    bool facts_only = true;
    const bool lacks_deadline = !any_line(lines, open, has_deadline);
    const bool lacks_entry =
        !any_line(lines, open, [](const LineInfo& l) { return has_kind(l, UrlKind::Entry); });
    for (std::size_t i = next.first; i <= next.last; ++i) {
        const LineInfo& line = lines[i];
        if (!is_content(line)) {
            continue;
        }
        if (++count > 4 || line.admin || line.sponsor || line.count_cue || line.kind == LineKind::Banner ||
            (line.title_like() && line.head.signature() != 0)) {
            return false;
        }
        adds =
            adds || (lacks_deadline && has_deadline(line)) || (lacks_entry && has_kind(line, UrlKind::Entry));
        const Label label = line.head.label;
        facts_only = facts_only && line.urls.empty() &&
                     (label == Label::Info || label == Label::Deadline || label == Label::Period ||
                      label == Label::Event);
    }
    return adds || (facts_only && (lacks_deadline || lacks_entry));
}

}  // namespace

bool has_entry_url(const std::vector<LineInfo>& lines, const Block& block) {
    return any_line(lines, block, has_useful_url);
}

bool has_title(const std::vector<LineInfo>& lines, const Block& block) {
    return any_line(lines, block, [](const LineInfo& l) { return l.title_like(); });
}

std::vector<Block> segments(const std::vector<LineInfo>& lines) {
    std::vector<Block> out;
    bool open = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineInfo& line = lines[i];
        if (line.kind == LineKind::Blank || line.kind == LineKind::Rule) {
            open = false;
            continue;
        }
        if (!open || line.kind == LineKind::Banner) {
            out.push_back({i, i});
            open = true;
        } else {
            out.back().last = i;
        }
    }
    return out;
}

std::vector<Block> merge_segments(const std::vector<LineInfo>& lines, const std::vector<Block>& segs) {
    std::vector<Block> out;
    int taken_in = 0;
    for (const Block& seg : segs) {
        if (!out.empty()) {
            Block& open = out.back();
            const bool open_has_url = has_entry_url(lines, open);
            if ((!open_has_url && taken_in < kMostSegmentsTakenIn && takes_in(lines, open, seg)) ||
                (open_has_url && taken_in < kMostSegmentsTakenIn && completes(lines, open, seg))) {
                open.last = seg.last;
                taken_in += 1;
                continue;
            }
        }
        out.push_back(seg);
        taken_in = 0;
    }
    return out;
}

std::vector<Block> group_blocks(const std::vector<LineInfo>& lines) {
    std::vector<Block> out;
    for (const Block& merged : merge_segments(lines, segments(lines))) {
        for (const Block& part : split_block(lines, merged)) {
            // An item may hold items of its own kind below a shared heading: split once more.
            const std::vector<Block> again = split_block(lines, part);
            out.insert(out.end(), again.begin(), again.end());
        }
    }
    return out;
}

}  // namespace velmora::extract::generic

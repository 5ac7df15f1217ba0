// Picking a contest's fields from its block: the prize line and its text, the deadline among the
// block's dates, the entry address among its addresses, and the other lines as details.
#include "extract/generic/contest_finder.h"
#include "extract/generic/work_meter.h"

namespace velmora::extract::generic {
namespace {

bool is_content(const LineInfo& line) {
    return line.kind == LineKind::Text || line.kind == LineKind::Banner;
}

bool names_prize(const LineInfo& line) {
    return line.count_cue || line.prize_cues > 0;
}

// The line that names the prize: a 賞品： line (or the line below a 賞品 label standing alone),
// else the first line that could; a heading gives way to a later line that names a prize better.
std::size_t title_line(const std::vector<LineInfo>& lines, const Block& block) {
    std::size_t first_like = block.last + 1;
    for (std::size_t i = block.first; i <= block.last; ++i) {
        const LineInfo& line = lines[i];
        if (!is_content(line)) {
            continue;
        }
        if (line.head.label == Label::Prize && line.title_chars > 0) {
            return i;
        }
        if (line.head.label == Label::Prize && line.head.label_only) {
            for (std::size_t j = i + 1; j <= block.last; ++j) {
                if (is_content(lines[j]) && lines[j].title_chars > 0) {
                    return j;
                }
            }
        }
        if (line.title_like() && !line.admin && first_like > block.last) {
            first_like = i;
        }
    }
    // A heading (a banner, a line wholly in brackets such as 【終了間近】) gives way to a later
    // line that names a prize when it names none itself.
    const bool heading = first_like <= block.last &&
                         (lines[first_like].kind == LineKind::Banner || lines[first_like].head.wrapped);
    if (heading && !names_prize(lines[first_like])) {
        for (std::size_t i = first_like + 1; i <= block.last; ++i) {
            if (lines[i].title_like() && names_prize(lines[i]) && !lines[i].admin) {
                return i;
            }
        }
    }
    return first_like;
}

std::optional<DateValue> deadline_of(const std::vector<LineInfo>& lines, const Block& block) {
    const DateHit* period = nullptr;
    const DateHit* unsaid = nullptr;
    for (std::size_t i = block.first; i <= block.last; ++i) {
        for (const DateHit& d : lines[i].dates) {
            if (d.role == Role::Deadline) {
                return d.value;
            }
            if (d.role == Role::Period && period == nullptr) {
                period = &d;
            }
            if (d.role == Role::None && unsaid == nullptr) {
                unsaid = &d;
            }
        }
    }
    if (period != nullptr) {
        return period->value;
    }
    if (unsaid != nullptr) {
        return unsaid->value;
    }
    return std::nullopt;
}

// The entry page: the address labelled as one (応募), else the first that is not noise.
std::string url_of(const std::vector<LineInfo>& lines, const Block& block) {
    const LineUrl* first = nullptr;
    for (std::size_t i = block.first; i <= block.last; ++i) {
        for (const LineUrl& u : lines[i].urls) {
            if (u.kind == UrlKind::Entry) {
                return u.url;
            }
            if (u.kind != UrlKind::Noise && first == nullptr) {
                first = &u;
            }
        }
    }
    return first != nullptr ? first->url : std::string();
}

}  // namespace

FoundContest pick_fields(const std::vector<LineInfo>& lines, const Block& block) {
    count_work(block.last - block.first + 1);
    FoundContest found;
    const std::size_t title_at = title_line(lines, block);
    if (title_at <= block.last) {
        found.title = std::string(lines[title_at].title());
    }
    for (std::size_t i = block.first; i <= block.last; ++i) {
        const LineInfo& line = lines[i];
        if (!is_content(line)) {
            continue;
        }
        if (found.title.empty()) {
            found.title = std::string(line.text.content);
        }
        // The title's own line is a detail too when it says more than the title (its address, its date).
        if (i != title_at || !line.urls.empty() || !line.dates.empty()) {
            found.details.emplace_back(line.text.content);
        }
    }
    found.deadline = deadline_of(lines, block);
    found.url = url_of(lines, block);
    return found;
}

}  // namespace velmora::extract::generic

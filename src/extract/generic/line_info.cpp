#include "extract/generic/line_info.h"

#include <algorithm>

#include "extract/generic/line_title.h"
#include "extract/generic/url_scan.h"
#include "extract/generic/vocabulary.h"

namespace velmora::extract::generic {
namespace {

// Characters rules are drawn with that never mark an item (━ ＝ - ~ _ * #).
bool is_line_char(char32_t c) {
    return (c >= 0x2500 && c <= 0x257F) || c == U'=' || c == U'-' || c == U'―' || c == U'—' || c == U'~' ||
           c == U'〜' || c == U'_' || c == U'*' || c == U'#';
}

struct Shape {
    LineKind kind = LineKind::Text;
    std::size_t begin = 0;  // the banner's inside
    std::size_t end = 0;
};

// A run of banner characters at the start (or, backwards, at the end): its bytes, its count and
// whether every one of them is a line character.
struct Run {
    std::size_t bytes = 0;
    int count = 0;
    bool lines_only = true;
};

Run leading_run(std::string_view s) {
    Run run;
    for (std::size_t p = 0; p < s.size();) {
        const CharAt c = char_at(s, p);
        if (!is_banner_char(c.c)) {
            break;
        }
        run.count += 1;
        run.lines_only = run.lines_only && is_line_char(c.c);
        p += c.size;
        run.bytes = p;
    }
    return run;
}

Run trailing_run(std::string_view s) {
    Run run;
    for (std::size_t p = s.size(); p > 0;) {
        const CharAt c = char_before(s, p);
        if (!is_banner_char(c.c)) {
            break;
        }
        run.count += 1;
        run.lines_only = run.lines_only && is_line_char(c.c);
        p -= c.size;
        run.bytes = s.size() - p;
    }
    return run;
}

Shape shape_of(std::string_view s) {
    if (s.empty()) {
        return {LineKind::Blank, 0, 0};
    }
    bool all_rule = true;
    for (std::size_t p = 0; p < s.size() && all_rule;) {
        const CharAt c = char_at(s, p);
        all_rule = c.c == U' ' || is_rule_char(c.c);
        p += c.size;
    }
    if (all_rule) {
        return {LineKind::Rule, 0, 0};
    }
    const Run lead = leading_run(s);
    const Run trail = trailing_run(s);
    const bool banner = s.find("http") == std::string_view::npos && lead.bytes + trail.bytes < s.size() &&
                        ((lead.count >= 2 && trail.count >= 2) || (lead.count >= 3 && lead.lines_only) ||
                         (trail.count >= 3 && trail.lines_only));
    if (banner) {
        return {LineKind::Banner, lead.bytes, s.size() - trail.bytes};
    }
    return {LineKind::Text, 0, s.size()};
}

UrlKind kind_of_words(std::string_view s, std::size_t from, std::size_t to) {
    UrlKind kind = UrlKind::Plain;
    for (std::size_t p = from; p < to;) {
        const CueMatch cue = match_cue(s, p);
        if (cue.cue == Cue::Admin || cue.cue == Cue::Sponsor) {
            return UrlKind::Noise;
        }
        const LabelMatch label = match_label(s, p);
        if (label.label == Label::Noise) {
            return UrlKind::Noise;
        }
        if (label.label == Label::Detail) {
            kind = UrlKind::Detail;
        } else if (label.label == Label::Entry && kind == UrlKind::Plain) {
            kind = UrlKind::Entry;
        }
        p += std::max<std::size_t>({label.size, cue.size, char_at(s, p).size});
    }
    return kind;
}

bool has_words(std::string_view s, std::size_t from, std::size_t to) {
    for (std::size_t p = from; p < to;) {
        const CharAt c = char_at(s, p);
        if (is_word_char(c.c)) {
            return true;
        }
        p += c.size;
    }
    return false;
}

// A short line of its own that labels the address below it ("▼応募はこちら", "配信停止：").
bool labels_next_line(const LineInfo& line) {
    if (line.kind != LineKind::Text || !line.urls.empty() || line.text.folded.size() > 72) {
        return false;
    }
    const Label label = line.head.label;
    return label == Label::Entry || label == Label::Link || label == Label::Detail || label == Label::Noise ||
           line.admin || line.sponsor || line.title_chars <= 12;
}

void read_urls(LineInfo& line, std::vector<UrlHit> hits, const LineInfo* above) {
    const std::string_view s = line.text.folded;
    std::size_t from = 0;
    for (UrlHit& hit : hits) {
        UrlKind kind = kind_of_words(s, from, hit.begin);
        if (from == 0 && !has_words(s, line.head.body, hit.begin) && above != nullptr &&
            labels_next_line(*above)) {
            const UrlKind above_kind = kind_of_words(above->text.folded, 0, above->text.folded.size());
            kind = kind == UrlKind::Plain ? above_kind : kind;
        }
        if (line.admin && kind != UrlKind::Entry) {
            kind = UrlKind::Noise;
        }
        line.urls.push_back({std::move(hit.url), kind, hit.begin});
        from = hit.end;
    }
}

void read_cues(LineInfo& line) {
    const std::string_view s = line.text.folded;
    for (std::size_t p = 0; p < s.size();) {
        if (s.substr(p).starts_with("http")) {
            while (p < s.size() && static_cast<unsigned char>(s[p]) > ' ' &&
                   static_cast<unsigned char>(s[p]) < 0x80) {
                ++p;
            }
            continue;
        }
        if (s[p] >= '0' && s[p] <= '9') {
            while (p < s.size() && ((s[p] >= '0' && s[p] <= '9') || s[p] == ',')) {
                ++p;
            }
            line.count_cue = line.count_cue || match_counter(s, p) > 0;
            continue;
        }
        const CueMatch cue = match_cue(s, p);
        switch (cue.cue) {
            case Cue::Prize:
                line.prize_cues += 1;
                break;
            case Cue::Sponsor:
                // "主催：…スポンサー各社" names who offers the prize; it does not make an advertisement.
                line.sponsor = line.sponsor || line.head.label != Label::Info;
                break;
            case Cue::Admin:
                line.admin = line.admin || line.head.label != Label::Info;  // "提供：…編集部" names a sponsor
                break;
            case Cue::Weak:
                line.weak += 1;
                break;
            case Cue::None:
                break;
        }
        p += cue.size > 0 ? cue.size : char_at(s, p).size;
    }
}

Role carried_role(const LineInfo* above) {
    if (above == nullptr || !above->head.label_only) {
        return Role::None;
    }
    switch (above->head.label) {
        case Label::Deadline:
            return Role::Deadline;
        case Label::Period:
            return Role::Period;
        case Label::Event:
            return Role::Event;
        default:
            return Role::None;
    }
}

}  // namespace

bool is_word_char(char32_t c) {
    return (c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') ||
           (c >= 0x3041 && c <= 0x30FA) || c == 0x30FC || (c >= 0x3400 && c <= 0x9FFF) || c == 0x3005 ||
           (c >= 0xFF66 && c <= 0xFF9F) || (c >= 0xF900 && c <= 0xFAFF);
}

std::vector<LineInfo> classify_lines(const std::vector<std::string_view>& lines) {
    std::vector<LineInfo> infos;
    infos.reserve(lines.size());
    const LineInfo* above = nullptr;  // the last line that is not blank
    for (const std::string_view raw : lines) {
        LineInfo line;
        line.text = read_line_text(raw);
        const Shape shape = shape_of(line.text.folded);
        line.kind = shape.kind;
        if (line.kind == LineKind::Text || line.kind == LineKind::Banner) {
            line.head = read_head(line.text.folded, shape.begin, shape.end);
            if (line.kind == LineKind::Banner) {
                line.head.marker = MarkerKind::Banner;
                line.head.style = 0;
            }
            read_cues(line);
            std::vector<UrlHit> hits = find_urls(line.text.folded, line.text.wide);
            line.dates = find_dates(line.text.folded, hits, carried_role(above));
            read_urls(line, std::move(hits), above);
            find_title(line);
        }
        infos.push_back(std::move(line));
        if (infos.back().kind != LineKind::Blank) {
            above = &infos.back();
        }
    }
    return infos;
}

}  // namespace velmora::extract::generic

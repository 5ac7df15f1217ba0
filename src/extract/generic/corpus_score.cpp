#include "extract/generic/corpus_score.h"

#include <charconv>
#include <cstdio>

#include "extract/generic/contest_finder.h"
#include "extract/generic/line_text.h"
#include "text/text.h"

namespace velmora::extract::generic {
namespace {

// Full-width ASCII narrowed, as the keys are written.
std::string narrow_ascii(std::string_view s) {
    std::string out;
    for (std::size_t p = 0; p < s.size();) {
        const CharAt c = char_at(s, p);
        const char32_t folded = fold_char(c.c);
        out += folded == c.c ? std::string(s.substr(p, c.size)) : text::encode(folded);
        p += c.size;
    }
    return out;
}

bool read_today(std::string_view line, locale::DateTime& now) {
    constexpr std::string_view kPrefix = "# today ";
    if (!line.starts_with(kPrefix)) {
        return false;
    }
    const std::string date = text::trim(line.substr(kPrefix.size()));
    int y = 0, m = 0, d = 0;
    if (date.size() != 10 || std::sscanf(date.c_str(), "%4d/%2d/%2d", &y, &m, &d) != 3) {
        return false;
    }
    now = {y, m, d, 9, 0, 0};
    return locale::is_valid(now.date());
}

// A JSON string literal at `pos` (at its opening quote), unescaped; `pos` moves past it.
std::string json_string_at(std::string_view s, std::size_t& pos) {
    std::string out;
    for (++pos; pos < s.size() && s[pos] != '"'; ++pos) {
        if (s[pos] != '\\' || pos + 1 >= s.size()) {
            out += s[pos];
            continue;
        }
        const char e = s[++pos];
        if (e == 'n') {
            out += '\n';
        } else if (e == 'r') {
            out += '\r';
        } else if (e == 't') {
            out += '\t';
        } else if (e == 'u' && pos + 4 < s.size()) {
            unsigned code = 0;
            const char* digits = s.data() + pos + 1;
            std::from_chars(digits, digits + 4, code, 16);
            out += text::encode(static_cast<char32_t>(code));
            pos += 4;
        } else {
            out += e;
        }
    }
    ++pos;
    return out;
}

// The string value of a top-level key of one JSON line ("" when absent).
std::string json_field(std::string_view line, std::string_view key) {
    const std::string quoted = "\"" + std::string(key) + "\":";
    std::size_t pos = 0;
    while ((pos = line.find(quoted, pos)) != std::string_view::npos) {
        // A key stands after "{" or ","; the same text inside a value stands after other characters.
        if (pos > 0 && (line[pos - 1] == '{' || line[pos - 1] == ',')) {
            std::size_t at = pos + quoted.size();
            return at < line.size() && line[at] == '"' ? json_string_at(line, at) : std::string();
        }
        pos += quoted.size();
    }
    return {};
}

}  // namespace

ExpectationRead read_expectation(std::string_view text) {
    ExpectationRead read;
    bool today = false;
    int number = 0;
    for (const std::string_view line : split_lines(text)) {
        ++number;
        if (!today) {
            if (!read_today(line, read.expectation.now)) {
                read.error = "line 1 is not \"# today yyyy/mm/dd\"";
                return read;
            }
            today = true;
            continue;
        }
        if (line.empty() || line.starts_with("#")) {
            continue;
        }
        const std::vector<std::string> fields = text::split(line, "\t");
        if (fields.size() != 3) {
            read.error = "line " + std::to_string(number) + " is not DEADLINE<TAB>URL<TAB>KEY";
            return read;
        }
        read.expectation.contests.push_back({fields[0], fields[1], narrow_ascii(fields[2])});
    }
    if (!today) {
        read.error = "no \"# today yyyy/mm/dd\" line";
    }
    return read;
}

std::vector<ExtractedContest> contests_of_json(std::string_view json_lines) {
    std::vector<ExtractedContest> contests;
    for (const std::string_view line : split_lines(json_lines)) {
        if (!line.empty()) {
            contests.push_back(
                {json_field(line, "title"), json_field(line, "deadline"), json_field(line, "url")});
        }
    }
    return contests;
}

FileScore score_contests(std::string_view name, const std::vector<ExtractedContest>& extracted,
                         const std::vector<ExpectedContest>& expected) {
    FileScore score;
    score.name = std::string(name);
    score.expected = static_cast<int>(expected.size());
    score.extracted = static_cast<int>(extracted.size());
    std::vector<bool> used(extracted.size(), false);
    for (const ExpectedContest& want : expected) {
        bool found = false;
        const ExtractedContest* same_url = nullptr;
        for (std::size_t i = 0; i < extracted.size() && !found; ++i) {
            const ExtractedContest& got = extracted[i];
            if (used[i] || got.url != want.url) {
                continue;
            }
            same_url = same_url == nullptr ? &got : same_url;
            if (got.deadline == want.deadline && text::contains(narrow_ascii(got.title), want.key)) {
                used[i] = found = true;
            }
        }
        if (found) {
            ++score.found;
            continue;
        }
        std::string miss = want.deadline + " " + want.url + " [" + want.key + "]";
        miss += same_url != nullptr ? "  got: " + same_url->deadline + " [" + same_url->title + "]"
                                    : "  not extracted";
        score.misses.push_back(std::move(miss));
    }
    std::vector<bool> taken(expected.size(), false);
    for (const ExtractedContest& got : extracted) {
        bool real = false;
        for (std::size_t k = 0; k < expected.size() && !real; ++k) {
            if (!taken[k] && expected[k].url == got.url) {
                taken[k] = real = true;
            }
        }
        if (real) {
            ++score.real;
        } else {
            score.extras.push_back(got.deadline + " " + got.url + " [" + got.title + "]");
        }
    }
    return score;
}

}  // namespace velmora::extract::generic

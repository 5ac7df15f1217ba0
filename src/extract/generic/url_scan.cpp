#include "extract/generic/url_scan.h"

#include <algorithm>
#include <cctype>

namespace velmora::extract::generic {
namespace {

bool is_url_char(char c) {
    if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
        return true;
    }
    constexpr std::string_view kMarks = "-._~:/?#[]@!$&'()*+,;=%";
    return kMarks.find(c) != std::string_view::npos;
}

// "http://" or "https://" at `pos`, in any case; the length of the scheme and slashes, or 0.
std::size_t scheme_at(std::string_view s, std::size_t pos) {
    auto lower_at = [&s](std::size_t i) {
        return i < s.size() ? static_cast<char>(std::tolower(static_cast<unsigned char>(s[i]))) : '\0';
    };
    if (lower_at(pos) != 'h' || lower_at(pos + 1) != 't' || lower_at(pos + 2) != 't' ||
        lower_at(pos + 3) != 'p') {
        return 0;
    }
    std::size_t at = pos + 4;
    if (lower_at(at) == 's') {
        ++at;
    }
    if (lower_at(at) != ':' || lower_at(at + 1) != '/' || lower_at(at + 2) != '/') {
        return 0;
    }
    return at + 3 - pos;
}

// Drops what a sentence puts after an address: stops and commas, and closing brackets that
// open nowhere inside it ("(https://a.jp/)" keeps none, "https://a.jp/f(1)" keeps its own).
std::size_t trim_tail(std::string_view url, std::size_t scheme) {
    long open_round = std::count(url.begin(), url.end(), '(') - std::count(url.begin(), url.end(), ')');
    long open_square = std::count(url.begin(), url.end(), '[') - std::count(url.begin(), url.end(), ']');
    std::size_t end = url.size();
    while (end > scheme) {
        const char last = url[end - 1];
        if (std::string_view(".,;:!?'*").find(last) != std::string_view::npos) {
            --end;
        } else if (last == ')' && open_round < 0) {
            --end;
            ++open_round;
        } else if (last == ']' && open_square < 0) {
            --end;
            ++open_square;
        } else {
            break;
        }
    }
    return end;
}

}  // namespace

std::vector<UrlHit> find_urls(std::string_view folded, std::string_view wide) {
    auto wide_at = [&wide](std::size_t i) { return i < wide.size() && wide[i] != 0; };
    std::vector<UrlHit> hits;
    std::size_t pos = 0;
    while (pos < folded.size()) {
        const std::size_t found = pos;
        if (folded[found] != 'h' && folded[found] != 'H') {
            ++pos;
            continue;
        }
        const std::size_t scheme = scheme_at(folded, found);
        const bool word_start =
            found == 0 || std::isalnum(static_cast<unsigned char>(folded[found - 1])) == 0;
        if (scheme == 0 || !word_start) {
            pos = found + 1;
            continue;
        }
        std::size_t end = found + scheme;
        const bool written_wide = wide_at(found);
        while (end < folded.size() && is_url_char(folded[end]) && wide_at(end) == written_wide) {
            ++end;
        }
        const std::size_t kept = trim_tail(folded.substr(found, end - found), scheme);
        if (kept > scheme) {
            hits.push_back({found, found + kept, std::string(folded.substr(found, kept))});
        }
        pos = std::max(found + kept, found + 1);
    }
    return hits;
}

}  // namespace velmora::extract::generic

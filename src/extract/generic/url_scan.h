#pragma once
// Finds the web addresses in a folded line: http and https, cut where the address ends: at a
// blank, at a character no address holds (、。「 and the like), at "<" ">" or a quote, and before
// a closing bracket or a trailing stop that belongs to the sentence rather than the address.
//
//   find_urls("応募→(https://a.example.jp/x)")[0].url == "https://a.example.jp/x"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::extract::generic {

struct UrlHit {
    std::size_t begin = 0;  // bytes of the folded line
    std::size_t end = 0;
    std::string url;
};

// `wide` marks, byte by byte, what was written full-width before folding ("" when nothing was): an
// address written half-width ends where full-width writing begins ("https://a.jp/（〆12/20）"),
// and one written full-width where half-width begins.
std::vector<UrlHit> find_urls(std::string_view folded, std::string_view wide = {});

}  // namespace velmora::extract::generic

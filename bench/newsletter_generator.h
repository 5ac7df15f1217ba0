#pragma once
// Newsletters of any length in the shape of each format's sample: the sample's opening lines,
// one of its contest blocks repeated with varied URLs, then the sample's closing lines.
//
//   std::string text = bench::newsletter(117, 200000, 1);   // CR LF line ends, UTF-8

#include <string>

namespace bench {

// The 26 format codes, 100 to 125.
inline constexpr int kFirstFormat = 100;
inline constexpr int kLastFormat = 125;

// A newsletter of the format with at least `lines` lines (each ended by CR LF); the seed picks
// the site numbers of the repeated contests. Empty when the format's sample cannot be read.
std::string newsletter(int code, long lines, unsigned seed);

// A newsletter in layouts no format reads: the tuned newsletters of the general extractor's
// corpus one after another, repeated up to `lines` lines. Empty when the corpus cannot be read.
std::string foreign_newsletter(long lines);

}  // namespace bench

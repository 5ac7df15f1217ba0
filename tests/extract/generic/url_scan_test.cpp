// The address scanner: where an address begins and ends in the ways newsletters write them.
#include "extract/generic/url_scan.h"

#include <gtest/gtest.h>

#include "extract/generic/line_text.h"

namespace velmora::extract::generic {
namespace {

struct Case {
    const char* line;
    std::vector<std::string> urls;
};

TEST(UrlScan, CutsWhereTheAddressEnds) {
    const std::vector<Case> cases = {
        {"https://a.example.jp/entry?id=3&x=y", {"https://a.example.jp/entry?id=3&x=y"}},
        {"応募はこちら→https://a.example.jp/e", {"https://a.example.jp/e"}},
        {"URL：http://a.example.jp/", {"http://a.example.jp/"}},
        {"<https://a.example.jp/angle>", {"https://a.example.jp/angle"}},
        {"＜https://a.example.jp/wide-angle＞", {"https://a.example.jp/wide-angle"}},
        {"(https://a.example.jp/paren)", {"https://a.example.jp/paren"}},
        {"https://a.example.jp/（〆12/20）", {"https://a.example.jp/"}},
        {"https://a.example.jp/wiki/Foo_(bar)", {"https://a.example.jp/wiki/Foo_(bar)"}},
        {"応募は→ https://a.example.jp/present。", {"https://a.example.jp/present"}},
        {"「https://a.example.jp/q」から", {"https://a.example.jp/q"}},
        {"詳しくは https://a.example.jp/x へ", {"https://a.example.jp/x"}},
        {"see https://a.example.jp/x.", {"https://a.example.jp/x"}},
        {"ｈｔｔｐｓ：／／ｗｉｄｅ．ｅｘａｍｐｌｅ．ｊｐ／ａ？ｂ＝１", {"https://wide.example.jp/a?b=1"}},
        {"HTTPS://UPPER.example.jp/", {"HTTPS://UPPER.example.jp/"}},
        {"A: https://a.example.jp/1 B: http://b.example.jp/2",
         {"https://a.example.jp/1", "http://b.example.jp/2"}},
        {"ttp://cut.example.jp/ http:// xhttp://no.example.jp/", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const LineText t = read_line_text(c.line);
        std::vector<std::string> urls;
        for (const UrlHit& hit : find_urls(t.folded, t.wide)) {
            urls.push_back(hit.url);
        }
        EXPECT_EQ(urls, c.urls);
    }
}

}  // namespace
}  // namespace velmora::extract::generic

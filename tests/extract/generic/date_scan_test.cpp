// The date scanner on one line at a time: every written form of a date, the words that make it a
// deadline, a period's end or another event, and what must not be read as a date at all.
#include "extract/generic/date_scan.h"

#include <gtest/gtest.h>

#include "extract/generic/line_text.h"
#include "extract/generic/url_scan.h"

namespace velmora::extract::generic {
namespace {

using Kind = DateValue::Kind;

struct Found {
    DateValue value;
    Role role;
};

struct Case {
    const char* line;
    std::vector<Found> dates;
};

std::vector<DateHit> scan(const char* raw, Role carried = Role::None) {
    const LineText t = read_line_text(raw);
    return find_dates(t.folded, find_urls(t.folded, t.wide), carried);
}

TEST(DateScan, ReadsEveryFormAndItsRole) {
    const std::vector<Case> cases = {
        {"締切：2026年12月20日(日)", {{{Kind::Day, 2026, 12, 20}, Role::Deadline}}},
        {"締切 12月20日", {{{Kind::Day, 0, 12, 20}, Role::Deadline}}},
        {"〆切 12/20", {{{Kind::Day, 0, 12, 20}, Role::Deadline}}},
        {"12/20(日)23:59まで", {{{Kind::Day, 0, 12, 20}, Role::Deadline}}},
        {"応募締切：１２／２０", {{{Kind::Day, 0, 12, 20}, Role::Deadline}}},
        {"応募期限 2026.12.20", {{{Kind::Day, 2026, 12, 20}, Role::Deadline}}},
        {"締切：令和8年12月20日", {{{Kind::Day, 2026, 12, 20}, Role::Deadline}}},
        {"締切：R8.12.20（消印有効）", {{{Kind::Day, 2026, 12, 20}, Role::Deadline}}},
        {"締切：令和元年5月1日", {{{Kind::Day, 2019, 5, 1}, Role::Deadline}}},
        {"締切は12月末日", {{{Kind::MonthEnd, 0, 12, 0}, Role::Deadline}}},
        {"2027年2月末日まで", {{{Kind::MonthEnd, 2027, 2, 0}, Role::Deadline}}},
        {"本日締切！", {{{Kind::Today, 0, 0, 0}, Role::Deadline}}},
        {"締切：本日23:59", {{{Kind::Today, 0, 0, 0}, Role::Deadline}}},
        {"◇図書カード(10名) 12/20〆 https://a.example.jp/1/2", {{{Kind::Day, 0, 12, 20}, Role::Deadline}}},
        {"締切/6.15", {{{Kind::Day, 0, 6, 15}, Role::Deadline}}},
        {"2026/12/20 必着", {{{Kind::Day, 2026, 12, 20}, Role::Deadline}}},
        // A period gives its end; its end may give only the day, or lie in the next year.
        {"応募期間：12月1日～12月25日", {{{Kind::Day, 0, 12, 25}, Role::Period}}},
        {"応募期間：2026年12月1日(月)10:00～1月15日(金)", {{{Kind::Day, 2027, 1, 15}, Role::Period}}},
        {"期間 12月1日～25日", {{{Kind::Day, 0, 12, 25}, Role::Period}}},
        {"12/1～12/25まで", {{{Kind::Day, 0, 12, 25}, Role::Deadline}}},
        {"応募期間：～12/20", {{{Kind::Day, 0, 12, 20}, Role::Deadline}}},
        // Other dates keep their own role; a label before the next date does not close this one.
        {"締切：12/20 発表：1/10",
         {{{Kind::Day, 0, 12, 20}, Role::Deadline}, {{Kind::Day, 0, 1, 10}, Role::Event}}},
        {"発送：12月25日頃", {{{Kind::Day, 0, 12, 25}, Role::Event}}},
        {"12/1から受付開始", {{{Kind::Day, 0, 12, 1}, Role::Event}}},
        {"12/20まで 12/25発表",
         {{{Kind::Day, 0, 12, 20}, Role::Deadline}, {{Kind::Day, 0, 12, 25}, Role::Event}}},
        {"2026.12.06号", {{{Kind::Day, 2026, 12, 6}, Role::Event}}},
        {"12月20日", {{{Kind::Day, 0, 12, 20}, Role::None}}},
        // Kanji numerals, as formal letters write dates.
        {"締切：十二月二十日", {{{Kind::Day, 0, 12, 20}, Role::Deadline}}},
        {"応募締切 令和八年十二月三十一日(木)", {{{Kind::Day, 2026, 12, 31}, Role::Deadline}}},
        {"二〇二七年一月末日まで", {{{Kind::MonthEnd, 2027, 1, 0}, Role::Deadline}}},
        {"応募期間：十二月一日～十五日", {{{Kind::Day, 0, 12, 15}, Role::Period}}},
        {"12月二十五日発表", {{{Kind::Day, 0, 12, 25}, Role::Event}}},
        {"〆切：一月十日（金）", {{{Kind::Day, 0, 1, 10}, Role::Deadline}}},
        {"二〇二六年十月三十日 必着", {{{Kind::Day, 2026, 10, 30}, Role::Deadline}}},
        // Not dates: decimals, prices, versions, impossible days, words of today without a deadline,
        // and dates inside an address.
        {"3.5kg 1,000円分", {}},
        {"バージョン1.2.3.4", {}},
        {"2/30まで 13/1 12/32", {}},
        {"本日ご紹介する懸賞", {}},
        {"https://a.example.jp/2026/12/20/x", {}},
        {"1/12/20", {}},
        {"第十二月号 十日間 三ヶ月 十三月一日 二月三十日 五月五 二十年", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const std::vector<DateHit> hits = scan(c.line);
        ASSERT_EQ(hits.size(), c.dates.size());
        for (std::size_t i = 0; i < hits.size(); ++i) {
            EXPECT_EQ(hits[i].value, c.dates[i].value);
            EXPECT_EQ(hits[i].role, c.dates[i].role);
        }
    }
}

TEST(DateScan, ALabelAloneOnTheLineAboveGivesItsRole) {
    ASSERT_EQ(scan("12月20日(日)", Role::Deadline).size(), 1u);
    EXPECT_EQ(scan("12月20日(日)", Role::Deadline)[0].role, Role::Deadline);
    // A word of the line's own wins over the label above.
    EXPECT_EQ(scan("1月10日発表", Role::Deadline)[0].role, Role::Event);
    // "12.20" is a date only beside a deadline word.
    EXPECT_TRUE(scan("12.20").empty());
    EXPECT_EQ(scan("12.20", Role::Deadline).size(), 1u);
}

}  // namespace
}  // namespace velmora::extract::generic

// What a found deadline hands to FixDate, checked through FixDate itself: the date the program
// stores must be the one the newsletter means, on any day it is read.
#include "extract/generic/deadline_text.h"

#include <gtest/gtest.h>

#include "ledger/shared_procedures.h"

namespace velmora::extract::generic {
namespace {

using Kind = DateValue::Kind;

struct Case {
    locale::DateTime now;
    std::optional<DateValue> deadline;
    const char* text;   // handed to FixDate
    const char* fixed;  // what FixDate makes of it
};

TEST(DeadlineText, GivesFixDateTheRightDate) {
    const locale::DateTime dec8{2026, 12, 8, 9, 0, 0};
    const locale::DateTime jun1{2026, 6, 1, 9, 0, 0};
    const locale::DateTime aug1{2026, 8, 1, 9, 0, 0};
    const locale::DateTime oct1_2027{2027, 10, 1, 9, 0, 0};
    const std::vector<Case> cases = {
        {dec8, DateValue{Kind::Day, 0, 12, 20}, "12/20", "2026/12/20"},
        {dec8, DateValue{Kind::Day, 0, 1, 15}, "1/15", "2027/01/15"},  // FixDate's year rule
        {dec8, DateValue{Kind::Day, 2026, 12, 20}, "2026/12/20", "2026/12/20"},
        {dec8, DateValue{Kind::Today, 0, 0, 0}, "2026/12/08", "2026/12/08"},
        {dec8, DateValue{Kind::Tomorrow, 0, 0, 0}, "2026/12/09", "2026/12/09"},
        {dec8, std::nullopt, "", "2026/12/08"},
        // A month's last day: the year FixDate would give that month, then that year's last day.
        {dec8, DateValue{Kind::MonthEnd, 0, 12, 0}, "2026/12/31", "2026/12/31"},
        {dec8, DateValue{Kind::MonthEnd, 0, 2, 0}, "2027/02/28", "2027/02/28"},
        {oct1_2027, DateValue{Kind::MonthEnd, 0, 2, 0}, "2028/02/29", "2028/02/29"},  // leap year
        {jun1, DateValue{Kind::MonthEnd, 0, 2, 0}, "2026/02/28", "2026/02/28"},       // 93 days back
        {aug1, DateValue{Kind::MonthEnd, 0, 2, 0}, "2027/02/28", "2027/02/28"},       // 154 days back
        {jun1, DateValue{Kind::MonthEnd, 0, 0, 0}, "2026/06/30", "2026/06/30"},       // 今月末
        {dec8, DateValue{Kind::MonthEnd, 2028, 2, 0}, "2028/02/29", "2028/02/29"},
        // February 29 in a year without one: the next year's.
        {oct1_2027, DateValue{Kind::Day, 0, 2, 29}, "2028/02/29", "2028/02/29"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string text = deadline_text(c.deadline, c.now);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(ledger::FixDate(text, c.now), c.fixed);
    }
}

}  // namespace
}  // namespace velmora::extract::generic

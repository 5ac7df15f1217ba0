#include "platform/date.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora::locale {
namespace {

constexpr int kYear = 2001;

struct Accepted {
    const char* text;
    CivilDate date;
};

TEST(ReadDate, AcceptedForms) {
    const Accepted kRows[] = {
        {"2001/5/10", {2001, 5, 10}},
        {"2001-05-10", {2001, 5, 10}},
        {"1999/12/31", {1999, 12, 31}},
        {"5/10", {kYear, 5, 10}},
        {"05/31", {kYear, 5, 31}},
        {"5-10", {kYear, 5, 10}},
        {"01/05/31", {2001, 5, 31}},
        {"2001年5月10日", {2001, 5, 10}},
        {"01年5月10日", {2001, 5, 10}},
        {"5月10日", {kYear, 5, 10}},
        {"12月01日", {kYear, 12, 1}},
        {"2001/05/10 8:38:50", {2001, 5, 10}},
        {"2001/05/10 08:38", {2001, 5, 10}},
        {"5/10 23:59:59", {kYear, 5, 10}},
        {"2001年5月10日 0:00", {2001, 5, 10}},
        {"  2001/5/10  ", {2001, 5, 10}},
        {"13:05", {1899, 12, 30}},
        {"8:38:50", {1899, 12, 30}},
        {"36526", {2000, 1, 1}},
        {"2", {1900, 1, 1}},
        {"0", {1899, 12, 30}},
        {"-1", {1899, 12, 29}},
        {" 36526 ", {2000, 1, 1}},
    };
    for (const auto& r : kRows) {
        auto d = read_date(r.text, kYear);
        ASSERT_TRUE(d.has_value()) << r.text;
        EXPECT_EQ(*d, r.date) << r.text;
    }
}

TEST(ReadDate, NoDate) {
    const char* kRejected[] = {
        "2/30",
        "2001/2/29",
        "2001/13/1",
        "2001/0/10",
        "5/0",
        "5/32",
        "5/10(金)",
        "5/10 (金)",
        "5.10",
        "2001.5.10",
        "未定",
        "",
        "  ",
        "5/10/2001",
        "2001/5",
        "2001/5-10",
        "5//10",
        "/5/10",
        "5/10/",
        "001/5/10",
        "5月10",
        "2001年5月",
        "５/１０",
        "25:00",
        "12:60",
        "8:38:61",
        "2001/05/10 25:00",
        "2001/05/10x",
        "2001/05/108:38",
        "1e5",
        "inf",
        "nan",
        "36526.5",
        "99999999999999999999999",
        "2958466",
        "-657435",
        "+",
        "-",
        "abc5/10",
    };
    for (const char* s : kRejected) {
        EXPECT_EQ(read_date(s, kYear), std::nullopt) << s;
    }
}

TEST(ReadDate, TwoDigitYearsTurnAt30) {
    EXPECT_EQ(read_date("00/1/1", kYear), (CivilDate{2000, 1, 1}));
    EXPECT_EQ(read_date("29/12/31", kYear), (CivilDate{2029, 12, 31}));
    EXPECT_EQ(read_date("30/1/1", kYear), (CivilDate{1930, 1, 1}));
    EXPECT_EQ(read_date("99/1/1", kYear), (CivilDate{1999, 1, 1}));
}

TEST(ReadDate, LeapDays) {
    EXPECT_EQ(read_date("2000/2/29", kYear), (CivilDate{2000, 2, 29}));
    EXPECT_EQ(read_date("2004/2/29", kYear), (CivilDate{2004, 2, 29}));
    EXPECT_EQ(read_date("1900/2/29", kYear), std::nullopt);
    EXPECT_EQ(read_date("2100/2/29", kYear), std::nullopt);
    EXPECT_EQ(read_date("2/29", 2004), (CivilDate{2004, 2, 29}));
    EXPECT_EQ(read_date("2/29", 2001), std::nullopt);
}

TEST(ReadDate, PlainNumbersAtTheEndsOfTheCalendar) {
    EXPECT_EQ(read_date("2958465", kYear), (CivilDate{9999, 12, 31}));
    EXPECT_EQ(read_date("-657434", kYear), (CivilDate{100, 1, 1}));
}

TEST(DayNumber, KnownDays) {
    EXPECT_EQ(day_number({1899, 12, 30}), 0);
    EXPECT_EQ(day_number({1900, 1, 1}), 2);
    EXPECT_EQ(day_number({2000, 1, 1}), 36526);
    EXPECT_EQ(day_number({2001, 5, 10}), 37021);
    EXPECT_EQ(day_number({100, 1, 1}), -657434);
    EXPECT_EQ(day_number({9999, 12, 31}), 2958465);
}

TEST(DayNumber, RoundTripsOverTheWholeRange) {
    CivilDate expected{100, 1, 1};
    for (long n = day_number(expected); n <= 2958465; ++n) {
        const CivilDate d = civil_from_day_number(n);
        ASSERT_TRUE(is_valid(d)) << n;
        ASSERT_EQ(day_number(d), n);
    }
    for (long n = 36000; n < 37000; ++n) {
        const CivilDate d = civil_from_day_number(n);
        const CivilDate next = civil_from_day_number(n + 1);
        // Consecutive day numbers are consecutive days.
        EXPECT_TRUE(next.day == d.day + 1 ||
                    (next.day == 1 && (next.month == d.month + 1 || (next.month == 1 && d.month == 12))));
    }
}

TEST(DayNumber, RoundsToTheNearestDayFromNoon) {
    const long today = day_number({2001, 5, 10});
    EXPECT_EQ(rounded_day_number({2001, 5, 10, 0, 0, 0}), today);
    EXPECT_EQ(rounded_day_number({2001, 5, 10, 11, 59, 59}), today);
    EXPECT_EQ(rounded_day_number({2001, 5, 10, 12, 0, 0}), today + 1);
    EXPECT_EQ(rounded_day_number({2001, 12, 31, 23, 59, 59}), day_number({2002, 1, 1}));
}

TEST(FormatDate, Texts) {
    EXPECT_EQ(format_date({2001, 5, 1}), "2001/05/01");
    EXPECT_EQ(format_date({999, 12, 31}), "0999/12/31");
    const DateTime t{2001, 5, 10, 8, 3, 5};
    EXPECT_EQ(format_time(t), "08:03:05");
    EXPECT_EQ(format_date_time(t), "2001/05/10 08:03:05");
    // The program reads its own date-and-time text back as that day.
    EXPECT_EQ(read_date(format_date_time(t), 1990), t.date());
}

}  // namespace
}  // namespace velmora::locale

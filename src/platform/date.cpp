#include "platform/date.h"

#include <cstdio>

namespace velmora::locale {
namespace {

// Days from 1970-01-01 to 1899-12-30, the day numbers' day 0.
constexpr long kEpochOffset = 25569;

bool is_leap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int days_in_month(int y, int m) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && is_leap(y) ? 29 : kDays[m - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date (the era algorithm).
long days_from_civil(long y, long m, long d) {
    y -= m <= 2 ? 1 : 0;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

std::string two_digits(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

}  // namespace

bool is_valid(CivilDate d) {
    return d.year >= 100 && d.year <= 9999 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
           d.day <= days_in_month(d.year, d.month);
}

long day_number(CivilDate d) {
    return days_from_civil(d.year, d.month, d.day) + kEpochOffset;
}

CivilDate civil_from_day_number(long n) {
    const long z = n - kEpochOffset + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const long d = doy - (153 * mp + 2) / 5 + 1;
    const long m = mp < 10 ? mp + 3 : mp - 9;
    const long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

long rounded_day_number(const DateTime& now) {
    return day_number(now.date()) + (now.hour >= 12 ? 1 : 0);
}

std::string format_date(CivilDate d) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d/", d.year);
    return buf + two_digits(d.month) + "/" + two_digits(d.day);
}

std::string format_time(const DateTime& t) {
    return two_digits(t.hour) + ":" + two_digits(t.minute) + ":" + two_digits(t.second);
}

std::string format_date_time(const DateTime& t) {
    return format_date(t.date()) + " " + format_time(t);
}

}  // namespace velmora::locale

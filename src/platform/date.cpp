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

// Appends n in decimal with at least `width` digits, zeros in front ("%0*d" without the cost of
// a formatted print; a negative number, which no valid date holds, goes through the print).
void append_padded(std::string& out, int n, int width) {
    if (n < 0) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%0*d", width, n);
        out += buf;
        return;
    }
    char digits[12];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n > 0);
    for (int i = count; i < width; ++i) {
        out += '0';
    }
    while (count > 0) {
        out += digits[--count];
    }
}

std::string two_digits(int n) {
    std::string out;
    append_padded(out, n, 2);
    return out;
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
    std::string out;
    out.reserve(10);
    append_padded(out, d.year, 4);
    out += '/';
    append_padded(out, d.month, 2);
    out += '/';
    append_padded(out, d.day, 2);
    return out;
}

std::string format_time(const DateTime& t) {
    return two_digits(t.hour) + ":" + two_digits(t.minute) + ":" + two_digits(t.second);
}

std::string format_date_time(const DateTime& t) {
    return format_date(t.date()) + " " + format_time(t);
}

}  // namespace velmora::locale

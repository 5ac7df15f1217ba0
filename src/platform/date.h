#pragma once
// The locale date services every layer shares: the calendar, day numbers counted from
// 1899-12-30, the date reader behind FixDate, and the "yyyy/mm/dd" and time-of-day texts.
//
//   auto d = read_date("5/10", 2001);          // 2001-05-10
//   format_date(*d) == "2001/05/10";  day_number({1900, 1, 1}) == 2

#include <optional>
#include <string>
#include <string_view>

namespace velmora::locale {

struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

struct DateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    CivilDate date() const { return {year, month, day}; }
    friend bool operator==(const DateTime&, const DateTime&) = default;
};

// Days since 1899-12-30 (1900-01-01 is 2). Valid for years 100 to 9999.
long day_number(CivilDate d);
CivilDate civil_from_day_number(long n);
bool is_valid(CivilDate d);

// The current moment rounded to the nearest whole day: from noon on, today counts as the next day.
long rounded_day_number(const DateTime& now);

// What the date reader found: a calendar date (the time of day, if any, is dropped).
// Accepted, with optional blanks around the text:
//   y/m/d and m/d with "/" or "-" ("2001/5/10", "2001-05-10", "5/10", "05/31"), the current
//   year for m/d; a two-digit year in front ("01/05/31": 00-29 are 2000-2029, 30-99 1930-1999);
//   the same with 年 月 日 ("2001年5月10日", "5月10日"); any of these followed by a blank and a
//   time of day ("2001/05/10 8:38:50"); a time alone ("13:05", the day 1899-12-30); a plain
//   number, as a day number counted from 1899-12-30.
// Anything else is no date: "." between the numbers, brackets or a weekday after the date
// ("5/10(金)"), impossible days ("2/30"), words ("未定").
std::optional<CivilDate> read_date(std::string_view text, int current_year);

// "yyyy/mm/dd"
std::string format_date(CivilDate d);
// "yyyy/mm/dd hh:mm:ss", the text the program reads back as the current date and time.
std::string format_date_time(const DateTime& t);
// "hh:mm:ss", 24-hour clock (the tray tip).
std::string format_time(const DateTime& t);

}  // namespace velmora::locale

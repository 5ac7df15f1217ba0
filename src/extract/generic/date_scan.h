#pragma once
// Finds the dates of a folded line and what each one is: one small recognizer per written form
// (2026年12月20日, 12月20日, 12/20, 2026.12.20, 令和8年12月20日, R8.12.20, 12月末日, 本日, 十二月二十日),
// then refiners that join a period's two ends into its end ("12/1～12/25") and read the words
// around a date (締切, まで, 発表) into its role. Times, weekdays and 消印有効 around a date are skipped.
//
//   find_dates("締切：12/20(日)23:59まで 発表：1/10", {}, Role::None)  // 12/20 Deadline, 1/10 Event

#include <cstddef>
#include <string_view>
#include <vector>

#include "extract/generic/url_scan.h"

namespace velmora::extract::generic {

struct DateValue {
    enum class Kind : unsigned char { Day, MonthEnd, Today, Tomorrow };
    Kind kind = Kind::Day;
    int year = 0;   // 0 when the text gives none
    int month = 0;  // 0 with MonthEnd: the current month (今月末)
    int day = 0;
    friend bool operator==(const DateValue&, const DateValue&) = default;
};

// What a date is in its contest: its deadline, the end of its entry period, another event
// (発表, 発送, 開始, an issue's date) or unsaid.
enum class Role : unsigned char { None, Deadline, Period, Event };

struct DateHit {
    std::size_t begin = 0;  // folded bytes, from the date (or the first end of a period) ...
    std::size_t end = 0;    // ... to past its weekday, time and closing word
    DateValue value;        // for a period, its last day
    Role role = Role::None;
};

// The dates of a line outside its addresses. `carried` is the role of a label standing alone on
// the line before ("【締切】" over "12月20日"), taken by dates with no word of their own.
std::vector<DateHit> find_dates(std::string_view folded, const std::vector<UrlHit>& urls, Role carried);

}  // namespace velmora::extract::generic

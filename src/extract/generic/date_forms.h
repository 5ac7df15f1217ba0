#pragma once
// The recognizers of the date scanner, one per written form of a date, each reading at one
// position of a folded line and giving the date and where its text ends.
//
//   recognize_date("12月末日まで", 0)->value == DateValue{Kind::MonthEnd, 0, 12, 0}

#include <cstddef>
#include <optional>
#include <string_view>

#include "extract/generic/date_scan.h"

namespace velmora::extract::generic {

struct DateForm {
    DateValue value;
    std::size_t end = 0;
    bool needs_word = false;  // "12.20" and 本日 are dates only beside a deadline word
};

// A date written at byte `pos`, in any of the forms; nothing when none begins there.
std::optional<DateForm> recognize_date(std::string_view s, std::size_t pos);
// A period's second end, which may give only its day ("12月1日～25日"): read after the first.
std::optional<DateForm> recognize_period_end(std::string_view s, std::size_t pos, const DateValue& start);

// Days in a month; with no year (0), February has 29.
int days_in_month(int year, int month);

}  // namespace velmora::extract::generic

#include "extract/generic/deadline_text.h"

#include "extract/generic/date_forms.h"
#include "ledger/shared_procedures.h"

namespace velmora::extract::generic {
namespace {

std::string year_month_day(int year, int month, int day) {
    return locale::format_date({year, month, day});
}

std::string month_day(int month, int day) {
    return std::to_string(month) + "/" + std::to_string(day);
}

// The year FixDate gives a day of `month` written without one (this year, or next year when
// the day lies more than 150 days back), asked of FixDate itself on this year's last day.
int fixdate_year(int month, const locale::DateTime& now) {
    const std::string fixed = ledger::FixDate(month_day(month, days_in_month(now.year, month)), now);
    int year = 0;
    for (std::size_t i = 0; i < 4 && i < fixed.size() && fixed[i] >= '0' && fixed[i] <= '9'; ++i) {
        year = year * 10 + (fixed[i] - '0');
    }
    return year > 0 ? year : now.year;
}

}  // namespace

std::string deadline_text(const std::optional<DateValue>& deadline, const locale::DateTime& now) {
    if (!deadline) {
        return "";
    }
    const DateValue& d = *deadline;
    switch (d.kind) {
        case DateValue::Kind::Today:
            return locale::format_date(now.date());
        case DateValue::Kind::Tomorrow:
            return locale::format_date(locale::civil_from_day_number(locale::day_number(now.date()) + 1));
        case DateValue::Kind::MonthEnd: {
            const int month = d.month == 0 ? now.month : d.month;
            const int year = d.year != 0 ? d.year : (d.month == 0 ? now.year : fixdate_year(month, now));
            return year_month_day(year, month, days_in_month(year, month));
        }
        case DateValue::Kind::Day:
            break;
    }
    if (d.year != 0) {
        return year_month_day(d.year, d.month, d.day);
    }
    if (d.day > days_in_month(now.year, d.month)) {
        // February 29 in a year without one: the next year that has it within reach.
        return year_month_day(now.year + 1, d.month, d.day);
    }
    return month_day(d.month, d.day);
}

}  // namespace velmora::extract::generic

#include "extract/generic/date_forms.h"

namespace velmora::extract::generic {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool at(std::string_view s, std::size_t pos, std::string_view word) {
    return pos <= s.size() && s.substr(pos).starts_with(word);
}

struct Number {
    int value = 0;
    int digits = 0;
    std::size_t end = 0;
};

// Up to `max` digits at `pos`; nothing when there are none or more.
std::optional<Number> read_number(std::string_view s, std::size_t pos, int max) {
    Number n;
    n.end = pos;
    while (n.end < s.size() && is_digit(s[n.end])) {
        if (++n.digits > max) {
            return std::nullopt;
        }
        n.value = n.value * 10 + (s[n.end] - '0');
        ++n.end;
    }
    if (n.digits == 0) {
        return std::nullopt;
    }
    return n;
}

// The kanji digits 〇 to 九, each three bytes in UTF-8.
constexpr std::string_view kKanjiDigits[] = {"〇", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
constexpr std::string_view kKanjiTen = "十";

std::optional<int> kanji_digit_at(std::string_view s, std::size_t pos) {
    for (int d = 0; d < 10; ++d) {
        if (at(s, pos, kKanjiDigits[d])) {
            return d;
        }
    }
    return std::nullopt;
}

// A number in kanji, as formal letters write months, days and years: with 十 ("十二", "二十",
// "三十一") or digit by digit ("二〇二六", "八"). Up to `max` digits written digit by digit.
std::optional<Number> read_kanji_number(std::string_view s, std::size_t pos, int max) {
    Number n;
    n.end = pos;
    const std::optional<int> first = kanji_digit_at(s, pos);
    if (first) {
        n.end += 3;
    }
    if (at(s, n.end, kKanjiTen) && (!first || *first != 0)) {  // no "〇十"
        n.value = (first ? *first : 1) * 10;
        n.end += kKanjiTen.size();
        if (const std::optional<int> unit = kanji_digit_at(s, n.end); unit && *unit != 0) {
            n.value += *unit;
            n.end += 3;
        }
        n.digits = n.value < 10 ? 1 : 2;
        return n;
    }
    if (!first) {
        return std::nullopt;
    }
    n.value = *first;
    n.digits = 1;
    for (std::optional<int> d; (d = kanji_digit_at(s, n.end));) {
        if (++n.digits > max) {
            return std::nullopt;
        }
        n.value = n.value * 10 + *d;
        n.end += 3;
    }
    return n;
}

// A number in digits or in kanji.
std::optional<Number> read_any_number(std::string_view s, std::size_t pos, int max) {
    if (auto n = read_number(s, pos, max)) {
        return n;
    }
    return read_kanji_number(s, pos, max);
}

std::size_t skip_blank(std::string_view s, std::size_t pos) {
    return pos < s.size() && s[pos] == ' ' ? pos + 1 : pos;
}

bool plausible(const DateValue& v) {
    if (v.year != 0 && (v.year < 1900 || v.year > 2999)) {
        return false;
    }
    if (v.kind == DateValue::Kind::MonthEnd) {
        return v.month >= 1 && v.month <= 12;
    }
    return v.month >= 1 && v.month <= 12 && v.day >= 1 && v.day <= days_in_month(v.year, v.month);
}

std::optional<DateForm> checked(DateForm form) {
    if (!plausible(form.value)) {
        return std::nullopt;
    }
    return form;
}

// What follows "M月": "D日", "D" or "末日"/"末" (the month's last day).
std::optional<DateForm> after_month_kanji(std::string_view s, std::size_t pos, int year, int month) {
    pos = skip_blank(s, pos);
    if (at(s, pos, "末日") || at(s, pos, "末")) {
        const std::size_t end = pos + (at(s, pos, "末日") ? 6 : 3);
        return checked({{DateValue::Kind::MonthEnd, year, month, 0}, end, false});
    }
    const auto day = read_any_number(s, pos, 2);
    const bool in_kanji = pos < s.size() && !is_digit(s[pos]);
    if (!day || (in_kanji && !at(s, day->end, "日"))) {
        return std::nullopt;
    }
    const std::size_t end = at(s, day->end, "日") ? day->end + 3 : day->end;
    return checked({{DateValue::Kind::Day, year, month, day->value}, end, false});
}

// What follows "Y年" in an era or kanji date: the month, in digits or kanji, then its day.
std::optional<DateForm> after_year_kanji(std::string_view s, std::size_t pos, int year) {
    const auto month = read_any_number(s, skip_blank(s, pos), 2);
    if (!month || !at(s, month->end, "月")) {
        return std::nullopt;
    }
    return after_month_kanji(s, month->end + 3, year, month->value);
}

// "M/D" or "M.D" after the year and its separator.
std::optional<DateForm> after_year_number(std::string_view s, std::size_t pos, int year, char sep) {
    const auto month = read_number(s, pos, 2);
    if (!month || month->end >= s.size() || s[month->end] != sep) {
        return std::nullopt;
    }
    const auto day = read_number(s, month->end + 1, 2);
    if (!day) {
        return std::nullopt;
    }
    return checked({{DateValue::Kind::Day, year, month->value, day->value}, day->end, false});
}

// 令和8年12月20日, R8.12.20, R8/12/20, 平成30年…, H30.…
std::optional<DateForm> era_date(std::string_view s, std::size_t pos) {
    int base = 0;
    std::size_t p = pos;
    if (at(s, p, "令和")) {
        base = 2018, p += 6;
    } else if (at(s, p, "平成")) {
        base = 1988, p += 6;
    } else if (p < s.size() && (s[p] == 'R' || s[p] == 'H')) {
        base = s[p] == 'R' ? 2018 : 1988, p += 1;
        if (p < s.size() && s[p] == '.') {
            ++p;
        }
    } else {
        return std::nullopt;
    }
    p = skip_blank(s, p);
    int year = 0;
    if (at(s, p, "元")) {
        year = base + 1, p += 3;
    } else if (const auto n = read_any_number(s, p, 2)) {
        year = base + n->value, p = n->end;
    } else {
        return std::nullopt;
    }
    if (at(s, p, "年")) {
        return after_year_kanji(s, p + 3, year);
    }
    if (p < s.size() && (s[p] == '.' || s[p] == '/')) {
        return after_year_number(s, p + 1, year, s[p]);
    }
    return std::nullopt;
}

// Dates in kanji: 二〇二六年十二月二十日, 十二月二十日, 十二月末日. The day needs its 日, since a
// kanji number may also be the start of a word.
std::optional<DateForm> kanji_date(std::string_view s, std::size_t pos) {
    // Not from the middle of a kanji number: "十三月" is no month, and holds no "三月".
    const bool inside = pos >= 3 && (kanji_digit_at(s, pos - 3) || at(s, pos - 3, kKanjiTen));
    const auto first = inside ? std::nullopt : read_kanji_number(s, pos, 4);
    if (!first) {
        return std::nullopt;
    }
    const std::size_t p = first->end;
    if (at(s, p, "年")) {
        return first->digits == 4 ? after_year_kanji(s, p + 3, first->value) : std::nullopt;
    }
    if (!at(s, p, "月") || first->digits > 2) {
        return std::nullopt;
    }
    return after_month_kanji(s, p + 3, 0, first->value);
}

// Forms that begin with a number: 2026年12月20日, 12月20日, 2026/12/20, 2026.12.20, 26/12/20, 12/20, 12.20.
std::optional<DateForm> numeric_date(std::string_view s, std::size_t pos) {
    const auto first = read_number(s, pos, 4);
    if (!first) {
        return std::nullopt;
    }
    const std::size_t p = first->end;
    if (at(s, p, "年")) {
        if (first->digits != 4 && first->digits != 2) {
            return std::nullopt;
        }
        const int year = first->digits == 2 ? 2000 + first->value : first->value;
        const auto month = read_number(s, skip_blank(s, p + 3), 2);
        if (!month || !at(s, month->end, "月")) {
            return std::nullopt;
        }
        return after_month_kanji(s, month->end + 3, year, month->value);
    }
    if (at(s, p, "月")) {
        return first->digits <= 2 ? after_month_kanji(s, p + 3, 0, first->value) : std::nullopt;
    }
    if (p >= s.size() || (s[p] != '/' && s[p] != '.' && s[p] != '-')) {
        return std::nullopt;
    }
    const char sep = s[p];
    const auto second = read_number(s, p + 1, 2);
    if (!second) {
        return std::nullopt;
    }
    const bool third_follows =
        second->end + 1 < s.size() && s[second->end] == sep && is_digit(s[second->end + 1]);
    if (third_follows && (first->digits == 4 || first->digits == 2)) {
        const auto third = read_number(s, second->end + 1, 2);
        if (!third) {
            return std::nullopt;
        }
        const bool more = third->end + 1 < s.size() && (s[third->end] == sep) && is_digit(s[third->end + 1]);
        const int year = first->digits == 2 ? 2000 + first->value : first->value;
        return more ? std::nullopt
                    : checked({{DateValue::Kind::Day, year, second->value, third->value}, third->end, false});
    }
    if (third_follows || first->digits > 2 || sep == '-') {
        return std::nullopt;
    }
    // A month and day with "/"; with "." only beside a deadline word (it also writes decimals).
    return checked({{DateValue::Kind::Day, 0, first->value, second->value}, second->end, sep == '.'});
}

}  // namespace

int days_in_month(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    if (month == 2) {
        const bool leap = year == 0 || (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0));
        return leap ? 29 : 28;
    }
    return kDays[month - 1];
}

std::optional<DateForm> recognize_date(std::string_view s, std::size_t pos) {
    if (at(s, pos, "本日")) {
        return DateForm{{DateValue::Kind::Today, 0, 0, 0}, pos + 6, true};
    }
    if (at(s, pos, "明日")) {
        return DateForm{{DateValue::Kind::Tomorrow, 0, 0, 0}, pos + 6, true};
    }
    if (at(s, pos, "今月末")) {
        const std::size_t end = pos + (at(s, pos, "今月末日") ? 12 : 9);
        return DateForm{{DateValue::Kind::MonthEnd, 0, 0, 0}, end, true};
    }
    if (pos < s.size() && is_digit(s[pos])) {
        return numeric_date(s, pos);
    }
    if (auto form = kanji_date(s, pos)) {
        return form;
    }
    return era_date(s, pos);
}

std::optional<DateForm> recognize_period_end(std::string_view s, std::size_t pos, const DateValue& start) {
    if (auto full = recognize_date(s, pos); full && !full->needs_word) {
        DateValue& end = full->value;
        if (end.year == 0 && start.year != 0) {
            end.year = end.month < start.month ? start.year + 1 : start.year;
        }
        return checked(*full);
    }
    const auto day = read_any_number(s, pos, 2);
    if (!day || !at(s, day->end, "日") || start.kind != DateValue::Kind::Day) {
        return std::nullopt;
    }
    return checked({{DateValue::Kind::Day, start.year, start.month, day->value}, day->end + 3, false});
}

}  // namespace velmora::extract::generic

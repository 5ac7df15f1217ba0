// The date reader: the date forms the program accepts (see date.h), read strictly. A text
// that is not wholly one of these forms is no date.

#include <array>
#include <charconv>
#include <string_view>

#include "platform/date.h"
#include "text/text.h"

namespace velmora::locale {
namespace {

// The day numbers of 0100-01-01 and 9999-12-31: a plain number outside them is no date.
constexpr long kFirstDayNumber = -657434;
constexpr long kLastDayNumber = 2958465;

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// A run of half-width digits at `pos` (at most `max_digits`), moving past it.
struct Number {
    int value = 0;
    int digits = 0;
};
std::optional<Number> take_number(std::string_view s, std::size_t& pos, int max_digits) {
    Number n;
    while (pos < s.size() && is_digit(s[pos])) {
        if (++n.digits > max_digits) {
            return std::nullopt;
        }
        n.value = n.value * 10 + (s[pos] - '0');
        ++pos;
    }
    if (n.digits == 0) {
        return std::nullopt;
    }
    return n;
}

bool take(std::string_view s, std::size_t& pos, std::string_view what) {
    if (s.substr(pos).starts_with(what)) {
        pos += what.size();
        return true;
    }
    return false;
}

int full_year(Number y) {
    if (y.digits == 2) {
        return y.value < 30 ? 2000 + y.value : 1900 + y.value;
    }
    return y.value;
}

// At most three numbers (year, month, day), kept without a heap allocation: every deadline of
// every newsletter is read through here.
class Numbers {
public:
    void push_back(Number n) {
        if (m_count < m_items.size()) {
            m_items[m_count++] = n;
        }
    }
    std::size_t size() const { return m_count; }
    const Number& operator[](std::size_t i) const { return m_items[i]; }

private:
    std::array<Number, 3> m_items{};
    std::size_t m_count = 0;
};

// The numbers of the date part, in the order written.
struct DateParts {
    Numbers numbers;
};

// "y/m/d", "m/d" with one separator ("/" or "-") throughout.
std::optional<DateParts> take_separated(std::string_view s, std::size_t& pos) {
    DateParts parts;
    auto first = take_number(s, pos, 4);
    if (!first) {
        return std::nullopt;
    }
    parts.numbers.push_back(*first);
    if (pos >= s.size() || (s[pos] != '/' && s[pos] != '-')) {
        return std::nullopt;
    }
    const char sep = s[pos];
    while (parts.numbers.size() < 3 && pos < s.size() && s[pos] == sep) {
        ++pos;
        auto next = take_number(s, pos, 4);
        if (!next) {
            return std::nullopt;
        }
        parts.numbers.push_back(*next);
    }
    return parts;
}

// "y年m月d日", "m月d日".
std::optional<DateParts> take_kanji(std::string_view s, std::size_t& pos) {
    DateParts parts;
    auto first = take_number(s, pos, 4);
    if (!first) {
        return std::nullopt;
    }
    if (take(s, pos, "年")) {
        parts.numbers.push_back(*first);
        first = take_number(s, pos, 2);
        if (!first) {
            return std::nullopt;
        }
    }
    parts.numbers.push_back(*first);
    if (!take(s, pos, "月")) {
        return std::nullopt;
    }
    auto day = take_number(s, pos, 2);
    if (!day || !take(s, pos, "日")) {
        return std::nullopt;
    }
    parts.numbers.push_back(*day);
    return parts;
}

std::optional<CivilDate> to_date(const DateParts& parts, int current_year) {
    const auto& n = parts.numbers;
    CivilDate d;
    if (n.size() == 3) {
        if (n[0].digits != 2 && n[0].digits != 4) {
            return std::nullopt;
        }
        d = {full_year(n[0]), n[1].value, n[2].value};
        if (n[1].digits > 2 || n[2].digits > 2) {
            return std::nullopt;
        }
    } else if (n.size() == 2) {
        if (n[0].digits > 2 || n[1].digits > 2) {
            return std::nullopt;
        }
        d = {current_year, n[0].value, n[1].value};
    } else {
        return std::nullopt;
    }
    if (!is_valid(d)) {
        return std::nullopt;
    }
    return d;
}

// "h:mm" or "h:mm:ss" on the 24-hour clock, filling the rest of the text.
bool is_time(std::string_view s) {
    std::size_t pos = 0;
    auto hour = take_number(s, pos, 2);
    if (!hour || hour->value > 23 || !take(s, pos, ":")) {
        return false;
    }
    auto minute = take_number(s, pos, 2);
    if (!minute || minute->value > 59) {
        return false;
    }
    if (take(s, pos, ":")) {
        auto second = take_number(s, pos, 2);
        if (!second || second->value > 59) {
            return false;
        }
    }
    return pos == s.size();
}

// A whole number with an optional sign, as a day number.
std::optional<CivilDate> read_day_number(std::string_view s) {
    if (!s.empty() && s.front() == '+') {
        s.remove_prefix(1);
    }
    long n = 0;
    const auto* end = s.data() + s.size();
    auto [ptr, ec] = std::from_chars(s.data(), end, n);
    if (s.empty() || ec != std::errc{} || ptr != end || n < kFirstDayNumber || n > kLastDayNumber) {
        return std::nullopt;
    }
    return civil_from_day_number(n);
}

bool is_plain_number(std::string_view s) {
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        s.remove_prefix(1);
    }
    if (s.empty()) {
        return false;
    }
    for (char c : s) {
        if (!is_digit(c)) {
            return false;
        }
    }
    return true;
}

std::optional<CivilDate> read_calendar_date(std::string_view s, int current_year) {
    std::size_t pos = 0;
    auto parts = take_separated(s, pos);
    if (!parts) {
        pos = 0;
        parts = take_kanji(s, pos);
    }
    if (!parts) {
        return std::nullopt;
    }
    if (pos < s.size()) {
        // Only blanks and a time of day may follow the date.
        if (s[pos] != ' ') {
            return std::nullopt;
        }
        const std::string rest = text::ltrim(s.substr(pos));
        if (!is_time(rest)) {
            return std::nullopt;
        }
    }
    return to_date(*parts, current_year);
}

}  // namespace

std::optional<CivilDate> read_date(std::string_view text_in, int current_year) {
    const std::string s = text::trim(text_in);
    if (s.empty()) {
        return std::nullopt;
    }
    if (is_plain_number(s)) {
        return read_day_number(s);
    }
    if (is_time(s)) {
        return CivilDate{};
    }
    return read_calendar_date(s, current_year);
}

}  // namespace velmora::locale

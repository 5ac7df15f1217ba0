#include "autofill/flowchart_code.h"

#include <algorithm>
#include <cmath>

#include "text/text.h"

namespace velmora::autofill {
namespace {

const std::string kIdeographicSpace = "\u3000";

// The two characters of the count after a direction, as a whole number of presses.
long arrow_count(std::string_view digits) {
    const double value = std::nearbyint(text::leading_number(digits));
    return std::isfinite(value) ? static_cast<long>(std::clamp(value, 0.0, 99.0)) : 0;
}

// The first `n` characters of `rest`, which moves past them: a code is read from its start to its
// end once, however long it is.
std::string_view take_chars(std::string_view& rest, long n) {
    const std::string_view taken = text::left_view(rest, n);
    rest.remove_prefix(taken.size());
    return taken;
}

}  // namespace

std::string two_digit_field(int n) {
    return text::right("0" + text::decimal(n), 2);
}

std::string two_digit_count(std::string_view box) {
    return text::right("00" + std::string(box), 2);
}

int field_number(std::string_view token) {
    const double value = std::nearbyint(text::leading_number(token));
    if (!std::isfinite(value) || value < 0.0 || value >= ui::kProfileFields) {
        return -1;
    }
    return static_cast<int>(value);
}

std::string field_text(const ui::Form1& form, int n) {
    if (n < 0 || n >= form.Text.size()) {
        return {};
    }
    return form.Text[n].text();
}

bool is_separator_field(int n) {
    return n >= 4 && n < ui::kProfileFields && n % 5 == 4;
}

bool is_direction(std::string_view letter) {
    return letter == "U" || letter == "L" || letter == "R" || letter == "D";
}

std::string direction_char(std::string_view letter) {
    if (letter == "U") {
        return "上";
    }
    if (letter == "L") {
        return "左";
    }
    if (letter == "R") {
        return "右";
    }
    return letter == "D" ? "下" : "";
}

std::string direction_key(std::string_view letter) {
    if (letter == "U") {
        return "UP";
    }
    if (letter == "L") {
        return "LEFT";
    }
    if (letter == "R") {
        return "RIGHT";
    }
    return letter == "D" ? "DOWN" : "";
}

std::string AddList4a(const ui::Form1& form, std::string_view digits) {
    std::string result;
    for (std::string_view rest = digits; !rest.empty();) {
        result += field_text(form, field_number(take_chars(rest, 2)));
    }
    return result;
}

std::vector<KeyStep> translate_code(const ui::Form1& form, std::string_view code) {
    std::vector<KeyStep> steps;
    KeyStep buf;
    for (std::string_view rest = code; !rest.empty();) {
        const std::string_view tok = take_chars(rest, 2);
        const std::string_view letter = text::mid_view(tok, 2);
        if (tok == "%T") {
            if (buf.empty()) {
                buf.text = kIdeographicSpace;
            }
            steps.push_back(std::move(buf));
            buf = KeyStep{};
        } else if (text::left_view(tok, 1) == "%" && is_direction(letter)) {
            const long count = arrow_count(take_chars(rest, 2));
            buf = KeyStep{"{" + direction_key(letter) + " " + text::decimal(count) + "}", ""};
        } else {
            const int field = field_number(tok);
            const std::string t = field_text(form, field);
            const bool separator = is_separator_field(field) && tok == two_digit_field(field);
            buf.text += (t.empty() && separator) ? kIdeographicSpace : t;
        }
    }
    return steps;
}

}  // namespace velmora::autofill

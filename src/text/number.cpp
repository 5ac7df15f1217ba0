// The leading-number parse: blanks ignored anywhere, sign, digits, fraction, exponent, &H and &O.
#include "text/text.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

namespace velmora::text {
namespace {

bool is_number_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

double parse_radix(std::string_view digits, int radix) {
    double value = 0;
    for (char c : digits) {
        int d = -1;
        if (c >= '0' && c <= '9') {
            d = c - '0';
        } else if (radix == 16 && c >= 'a' && c <= 'f') {
            d = c - 'a' + 10;
        } else if (radix == 16 && c >= 'A' && c <= 'F') {
            d = c - 'A' + 10;
        }
        if (d < 0 || d >= radix) {
            break;
        }
        value = value * radix + d;
    }
    return value;
}

// The common case of a parser's test, digits alone or followed by a character that is not ASCII
// (which ends any number): read without building the compact text. nullopt for anything else.
std::optional<double> plain_digits(std::string_view s) {
    constexpr std::size_t kExactDigits = 15;  // every such integer is exact in a double
    std::size_t i = 0;
    double value = 0;
    while (i < s.size() && i < kExactDigits && s[i] >= '0' && s[i] <= '9') {
        value = value * 10 + (s[i] - '0');
        ++i;
    }
    if (i == 0 || (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

double leading_number(std::string_view s) {
    if (const auto value = plain_digits(s)) {
        return *value;
    }
    std::string compact;
    compact.reserve(s.size());
    for (char c : s) {
        if (!is_number_blank(c)) {
            compact += c;
        }
    }
    if (compact.size() >= 2 && compact[0] == '&') {
        const char kind = compact[1];
        if (kind == 'H' || kind == 'h') {
            return parse_radix(std::string_view(compact).substr(2), 16);
        }
        if (kind == 'O' || kind == 'o') {
            return parse_radix(std::string_view(compact).substr(2), 8);
        }
        return parse_radix(std::string_view(compact).substr(1), 8);
    }
    // Take the longest prefix of the form [sign] digits [. digits] [exponent].
    std::size_t i = 0;
    std::string number;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) {
        number += compact[i++];
    }
    bool digits = false;
    while (i < compact.size() && compact[i] >= '0' && compact[i] <= '9') {
        number += compact[i++];
        digits = true;
    }
    if (i < compact.size() && compact[i] == '.') {
        std::string fraction = ".";
        std::size_t j = i + 1;
        while (j < compact.size() && compact[j] >= '0' && compact[j] <= '9') {
            fraction += compact[j++];
        }
        if (fraction.size() > 1 || digits) {
            number += fraction;
            digits = digits || fraction.size() > 1;
            i = j;
        }
    }
    if (!digits) {
        return 0;
    }
    if (i < compact.size() &&
        (compact[i] == 'e' || compact[i] == 'E' || compact[i] == 'd' || compact[i] == 'D')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < compact.size() && (compact[j] == '+' || compact[j] == '-')) {
            exponent += compact[j++];
        }
        bool exp_digits = false;
        while (j < compact.size() && compact[j] >= '0' && compact[j] <= '9') {
            exponent += compact[j++];
            exp_digits = true;
        }
        if (exp_digits) {
            number += exponent;
        }
    }
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

bool reads_positive(std::string_view s) {
    return leading_number(s) > 0;
}

std::string decimal(long n) {
    return std::to_string(n);
}

}  // namespace velmora::text

#include "ui/screen_scale.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "ui/controls.h"

namespace velmora::ui {
namespace {

int usable(int dpi) {
    return dpi > 0 ? dpi : kBaseDpi;
}

// Far beyond any screen, and small enough that a product with a density cannot overflow.
std::int64_t bounded(long value) {
    constexpr std::int64_t kLimit = std::int64_t{1} << 40;
    return std::clamp<std::int64_t>(value, -kLimit, kLimit);
}

// numerator ÷ denominator to the nearest whole number, a half away from zero (denominator > 0).
std::int64_t divide_rounded(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t half = denominator / 2;
    return numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator);
}

template <class Number>
Number held(std::int64_t value) {
    return static_cast<Number>(std::clamp<std::int64_t>(value, std::numeric_limits<Number>::min(),
                                                        std::numeric_limits<Number>::max()));
}

}  // namespace

int to_pixels(long twips, int dpi) {
    return held<int>(divide_rounded(bounded(twips) * usable(dpi), kTwipsPerInch));
}

long to_twips(long pixels, int dpi) {
    return held<long>(divide_rounded(bounded(pixels) * kTwipsPerInch, usable(dpi)));
}

int scale_pixels(long pixels, int dpi) {
    return held<int>(divide_rounded(bounded(pixels) * usable(dpi), kBaseDpi));
}

PixelRect control_pixels(const Control& control, int dpi) {
    long left = control.geometry().left;
    long top = control.geometry().top;
    for (const Control* c = control.container(); c != nullptr; c = c->container()) {
        left += c->geometry().left;
        top += c->geometry().top;
    }
    return {to_pixels(left, dpi), to_pixels(top, dpi), to_pixels(left + control.geometry().width, dpi),
            to_pixels(top + control.geometry().height, dpi)};
}

}  // namespace velmora::ui

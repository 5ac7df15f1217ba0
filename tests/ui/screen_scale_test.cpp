#include "ui/screen_scale.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cmath>
#include <vector>

#include "platform/memory_platform.h"
#include "ui/controls.h"
#include "ui/program.h"

namespace velmora::ui {
namespace {

constexpr std::array<int, 4> kDensities{96, 120, 144, 192};

// The program's own sizes and places in twips, and their pixels at 96, 120, 144 and 192 DPI.
struct Row {
    long twips;
    std::array<int, 4> pixels;
};

TEST(ScreenScale, TwipsGiveThePixelsOfEachDensity) {
    const Row rows[] = {
        {2325, {155, 194, 233, 310}},       // the strip's width (a half at 144 goes up)
        {5325, {355, 444, 533, 710}},       // the strip's height
        {7600, {507, 633, 760, 1013}},      // the wide layout's width
        {5275, {352, 440, 528, 703}},       // the wide layout's offset
        {-5275, {-352, -440, -528, -703}},  // to the left of the screen: the same, mirrored
        {9000, {600, 750, 900, 1200}},      // a saved Left
        {7335, {489, 611, 734, 978}},       // the extraction window's width
        {2385, {159, 199, 239, 318}},       // the calendar's width
        {5, {0, 0, 1, 1}},                  // half a pixel at 144 rounds away from zero
        {-5, {0, 0, -1, -1}},
        {7, {0, 1, 1, 1}},
        {0, {0, 0, 0, 0}},
    };
    for (const Row& row : rows) {
        for (std::size_t d = 0; d < kDensities.size(); ++d) {
            EXPECT_EQ(to_pixels(row.twips, kDensities[d]), row.pixels[d])
                << row.twips << " twips at " << kDensities[d] << " DPI";
        }
    }
}

// At 96 DPI every position and size stays what "twips ÷ 15, to the nearest pixel" gave.
TEST(ScreenScale, At96DpiPixelsAreTwipsDividedBy15) {
    for (long twips = -20000; twips <= 20000; ++twips) {
        const auto old_rule = static_cast<int>(std::lround(static_cast<double>(twips) / 15.0));
        ASSERT_EQ(to_pixels(twips, kBaseDpi), old_rule) << twips;
        ASSERT_EQ(to_pixels(twips), old_rule) << twips;
    }
}

// A window the user moves is stored in twips; drawn again at the same density it is where the
// user left it, to the pixel, and at 96 DPI the twips are the pixels times 15.
TEST(ScreenScale, PixelsToTwipsAndBackGiveTheSamePixels) {
    for (const int dpi : kDensities) {
        for (long pixels = -3000; pixels <= 3000; ++pixels) {
            ASSERT_EQ(to_pixels(to_twips(pixels, dpi), dpi), pixels) << pixels << " at " << dpi;
        }
    }
    EXPECT_EQ(to_twips(155, 96), 2325);
    EXPECT_EQ(to_twips(233, 144), 2330);
    EXPECT_EQ(to_twips(155, 192), 1163);
    EXPECT_EQ(to_twips(-1, 192), -8);
}

// The program's own pixels (AllBeforeForm's 155 × 355) become the same pixels as their twips.
TEST(ScreenScale, ProgramPixelsScaleAsTheirTwips) {
    EXPECT_EQ(scale_pixels(155, 144), 233);
    EXPECT_EQ(scale_pixels(355, 120), 444);
    EXPECT_EQ(scale_pixels(12, 192), 24);  // the 9-point font's height
    for (const int dpi : kDensities) {
        for (long pixels = -1000; pixels <= 1000; ++pixels) {
            ASSERT_EQ(scale_pixels(pixels, dpi), to_pixels(pixels * 15, dpi)) << pixels << " at " << dpi;
        }
    }
}

// A density the desktop could not tell counts as 96; values far beyond any screen are held at
// the ends of the range instead of overflowing.
TEST(ScreenScale, NoDensityAndHugeValuesStayDefined) {
    for (const int dpi : {0, -96}) {
        EXPECT_EQ(to_pixels(2325, dpi), 155);
        EXPECT_EQ(to_twips(155, dpi), 2325);
        EXPECT_EQ(scale_pixels(155, dpi), 155);
    }
    EXPECT_EQ(to_pixels(LONG_MAX, 192), INT_MAX);
    EXPECT_EQ(to_pixels(LONG_MIN, 192), INT_MIN);
    EXPECT_EQ(scale_pixels(LONG_MAX, 192), INT_MAX);
    EXPECT_GT(to_twips(LONG_MAX, 1), 0);
    EXPECT_LT(to_twips(LONG_MIN, 1), 0);
    EXPECT_EQ(to_pixels(1'000'000'000L, 192), 133'333'333);
}

// Every control of every window, in twips from its window's corner.
struct Placed {
    const Control* control;
    Geometry twips;
};

std::vector<Placed> every_control(Program& program) {
    std::vector<Placed> placed;
    std::vector<Window*> windows = program.windows();
    windows.push_back(&program.form3_as_is());
    for (Window* window : windows) {
        for (const Control* control : window->controls()) {
            Geometry g = control->geometry();
            for (const Control* c = control->container(); c != nullptr; c = c->container()) {
                g.left += c->geometry().left;
                g.top += c->geometry().top;
            }
            placed.push_back({control, g});
        }
    }
    return placed;
}

// At 96 DPI every control lies where its corner and its size in pixels put it before.
TEST(ScreenScale, At96DpiEveryControlKeepsItsPixels) {
    platform::MemoryPlatform platform;
    Program program(platform);
    const auto placed = every_control(program);
    ASSERT_GT(placed.size(), 200U);
    for (const Placed& p : placed) {
        const int x = to_pixels(p.twips.left);
        const int y = to_pixels(p.twips.top);
        const PixelRect before{x, y, x + to_pixels(p.twips.width), y + to_pixels(p.twips.height)};
        EXPECT_EQ(control_pixels(*p.control, kBaseDpi), before) << p.control->id();
    }
}

// The profile grid's boxes and buttons meet edge to edge in twips; at every density they meet in
// pixels too, neither overlapping nor leaving a gap (a box 28.5 pixels high at 144 DPI must not
// come out 29 high everywhere).
TEST(ScreenScale, ControlsThatMeetInTwipsMeetInPixels) {
    platform::MemoryPlatform platform;
    Program program(platform);
    const auto placed = every_control(program);
    int pairs = 0;
    for (const Placed& a : placed) {
        for (const Placed& b : placed) {
            const bool below = a.twips.top + a.twips.height == b.twips.top && a.twips.left == b.twips.left;
            const bool beside = a.twips.left + a.twips.width == b.twips.left && a.twips.top == b.twips.top;
            if ((!below && !beside) || a.control->container() != b.control->container()) {
                continue;
            }
            ++pairs;
            for (const int dpi : kDensities) {
                const PixelRect pa = control_pixels(*a.control, dpi);
                const PixelRect pb = control_pixels(*b.control, dpi);
                if (below) {
                    EXPECT_EQ(pa.bottom, pb.top)
                        << a.control->id() << " over " << b.control->id() << " at " << dpi;
                } else {
                    EXPECT_EQ(pa.right, pb.left)
                        << a.control->id() << " beside " << b.control->id() << " at " << dpi;
                }
            }
        }
    }
    EXPECT_GT(pairs, 50);
}

}  // namespace
}  // namespace velmora::ui

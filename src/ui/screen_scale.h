#pragma once
// Twips and the pixels of a screen of any density. The model keeps every position and size in
// twips; the program's own pixels are those of a 96 DPI screen (15 twips each), and a front end
// draws on a screen of `dpi` dots per inch, where a pixel is 1440 ÷ dpi twips.
//
//   ui::to_pixels(2325, 144) == 233;  ui::to_twips(233, 144) == 2330;  ui::scale_pixels(155, 120) == 194

namespace velmora::ui {

class Control;

// The density at which a pixel is 15 twips: the program's own pixels are these.
inline constexpr int kBaseDpi = 96;
inline constexpr long kTwipsPerInch = 1440;

// Twips to the pixels of a `dpi` screen: twips × dpi ÷ 1440, rounded to the nearest whole number
// (a half away from zero). At 96 DPI this is twips ÷ 15. A density of 0 or below counts as 96.
int to_pixels(long twips, int dpi);

// Pixels of a `dpi` screen to twips, rounded the same way; to_pixels gives the pixels back.
long to_twips(long pixels, int dpi);

// The program's own pixels (96 DPI) to the pixels of a `dpi` screen.
int scale_pixels(long pixels, int dpi);

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Where a control lies in its window on a `dpi` screen: its frames' offsets added, each edge
// rounded on its own, so that controls that meet in twips meet in pixels at every density.
PixelRect control_pixels(const Control& control, int dpi);

}  // namespace velmora::ui

// The arithmetic of the gradient bar: which colour each band gets and which columns (or
// rows) it covers. Pure functions, so the worked numbers can be checked without a screen.
#pragma once

#include "widgets/colors.h"

#include <cstdint>
#include <vector>

namespace trovel {

struct GradientBand {
    TColor color;  // plain 0x00BBGGRR
    int start;     // first column (or row) painted
    int thickness; // columns (or rows) painted, usually one more than the band's share
    bool operator==(const GradientBand &) const = default;
};

// The colour of band i of `steps` going from `from` towards `to`. Only the low three bytes
// of each colour count. Each channel moves by round(i * (to - from) / steps), the step
// held in double precision and the product rounded once, halves to even.
TColor band_color(TColor from, TColor to, uint16_t steps, int i);

// The first column of band i when `length` pixels are shared among `steps` bands.
int band_start(int length, uint16_t steps, int i);

// round(length / steps) + 1: each band overlaps the next one by about a pixel, so the
// ramp has no gaps whatever the length.
int band_thickness(int length, uint16_t steps);

// Every band in painting order; `steps` 0 counts as 1.
std::vector<GradientBand> gradient_bands(TColor from, TColor to, uint16_t steps, int length);

} // namespace trovel

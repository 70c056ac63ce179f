#include "widgets/gradient_bands.h"

#include <cmath>

namespace trovel {

namespace {

// round(i * x) with x in double precision: the product is formed in extended precision
// (exact for any i the bar uses) and rounded once, halves to even. Rounding the product
// in double first would turn 10 * 6.35 (just below 63.5) into 63.5 and then 64.
int round_product(int i, double x) { return static_cast<int>(std::nearbyint(static_cast<long double>(i) * x)); }

int channel(TColor c, int shift) { return static_cast<int>((c >> shift) & 0xFFu); }

} // namespace

TColor band_color(TColor from, TColor to, uint16_t steps, int i) {
    if (steps == 0) steps = 1;
    TColor result = 0;
    for (int shift : {0, 8, 16}) {
        const int f = channel(from, shift);
        const double step = static_cast<double>(channel(to, shift) - f) / steps;
        const int value = f + round_product(i, step);
        result |= static_cast<TColor>(value & 0xFF) << shift;
    }
    return result;
}

int band_start(int length, uint16_t steps, int i) {
    if (steps == 0) steps = 1;
    return round_product(i, static_cast<double>(length) / steps);
}

int band_thickness(int length, uint16_t steps) {
    if (steps == 0) steps = 1;
    return static_cast<int>(std::nearbyint(static_cast<double>(length) / steps)) + 1;
}

std::vector<GradientBand> gradient_bands(TColor from, TColor to, uint16_t steps, int length) {
    if (steps == 0) steps = 1;
    std::vector<GradientBand> bands;
    bands.reserve(steps);
    const int thickness = band_thickness(length, steps);
    for (int i = 0; i < steps; ++i)
        bands.push_back({band_color(from, to, steps, i), band_start(length, steps, i), thickness});
    return bands;
}

} // namespace trovel

// The ramp's worked numbers: ties, the double-precision step and the band positions.
#include "widgets/gradient_bands.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace trovel {
namespace {

struct ColorCase {
    const char *ramp;
    TColor from, to;
    int band;
    TColor expected;
};

TEST(GradientBands, BandColoursFollowTheWorkedRamps) {
    const ColorCase cases[] = {
        // Rest ramp: a green step of exactly 12.75, so ties go to the even neighbour.
        {"rest", clRed, clYellow, 0, 0x0000FF},
        {"rest", clRed, clYellow, 2, 0x001AFF},
        {"rest", clRed, clYellow, 6, 0x004CFF},
        {"rest", clRed, clYellow, 10, 0x0080FF},
        {"rest", clRed, clYellow, 18, 0x00E6FF},
        {"rest", clRed, clYellow, 19, 0x00F2FF},
        // Pause ramp: a falling channel rounds its negative ties to even too.
        {"pause", clWhite, clYellow, 2, 0xE5FFFF},
        {"pause", clWhite, clYellow, 10, 0x7FFFFF},
        {"pause", clWhite, clYellow, 19, 0x0DFFFF},
        // Typing ramp: 6.35 in double is just below it, so 10 steps round to 63, not 64.
        {"typing", clTeal, clLime, 0, clTeal},
        {"typing", clTeal, clLime, 10, 0x40BF00},
        {"typing", clTeal, clLime, 19, 0x06F900},
        // Equal colours: every band the same.
        {"flat", clGray, clGray, 13, clGray},
        // Only the low three bytes count: a system colour is not resolved.
        {"system", clBtnFace, clBtnFace, 5, 0x00000F},
        {"system", 0xAB000000, 0x12FFFFFF, 0, 0x000000},
    };
    for (const ColorCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.ramp << " band " << c.band);
        EXPECT_EQ(band_color(c.from, c.to, 20, c.band), c.expected);
    }
}

TEST(GradientBands, StartsRoundHalvesToEven) {
    // 53 pixels: h = 2.65, and 10 * h lies just below 26.5.
    const std::vector<int> starts53{0, 3, 5, 8, 11, 13, 16, 19, 21, 24, 26, 29, 32, 34, 37, 40, 42, 45, 48, 50};
    // 10 pixels: h = 0.5, every start a tie.
    const std::vector<int> starts10{0, 0, 1, 2, 2, 2, 3, 4, 4, 4, 5, 6, 6, 6, 7, 8, 8, 8, 9, 10};
    for (auto [length, expected] : {std::pair{53, starts53}, std::pair{10, starts10}}) {
        SCOPED_TRACE(length);
        std::vector<int> starts;
        for (const GradientBand &b : gradient_bands(clTeal, clLime, 20, length))
            starts.push_back(b.start);
        EXPECT_EQ(starts, expected);
    }
}

TEST(GradientBands, ThicknessIsRoundedSharePlusOne) {
    EXPECT_EQ(band_thickness(53, 20), 4); // 2.65
    EXPECT_EQ(band_thickness(39, 20), 3); // 1.95
    EXPECT_EQ(band_thickness(10, 20), 1); // 0.5 rounds to 0
    EXPECT_EQ(band_thickness(50, 20), 3); // 2.5 rounds to 2
}

TEST(GradientBands, ZeroStepsMeansOneBandOfTheFirstColour) {
    const auto bands = gradient_bands(clRed, clYellow, 0, 53);
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_EQ(bands[0], (GradientBand{clRed, 0, 54}));
}

TEST(GradientBands, EveryPixelOfTheBarIsCovered) {
    for (int length = 1; length <= 200; ++length) {
        for (uint16_t steps : {1, 3, 7, 20, 64}) {
            std::vector<bool> covered(length, false);
            for (const GradientBand &b : gradient_bands(clTeal, clLime, steps, length))
                for (int x = b.start; x < b.start + b.thickness && x < length; ++x)
                    covered[x] = true;
            EXPECT_EQ(std::count(covered.begin(), covered.end(), false), 0)
                << "length " << length << " steps " << steps;
        }
    }
}

} // namespace
} // namespace trovel

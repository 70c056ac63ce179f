// The clock's numbers: rim table, densities, the 400 x 300 worked example, hand segments,
// the small-face rule and the bright edge colour.
#include "widgets/clock_geometry.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace trovel {
namespace {

constexpr Densities square{};

TEST(ClockGeometry, RimTableIsTheRoundedCircleWithItsShortEntries) {
    const RimTable &rim = listed_rim_table();
    for (int p = 0; p < 60; ++p) {
        const double a = 6 * p * std::numbers::pi / 180;
        EXPECT_NEAR(rim[p].x, 8000 * std::sin(a), 1.001) << p;
        EXPECT_NEAR(rim[p].y, -8000 * std::cos(a), 1.001) << p;
    }
    // The entries one unit short, kept as they are.
    EXPECT_EQ(rim[0].y, -7999);
    EXPECT_EQ(rim[30].y, 7999);
    EXPECT_EQ(rim[45].x, -7999);
    EXPECT_EQ(rim[15].x, 8000);
    EXPECT_EQ(rim[5].x, 3999);
    EXPECT_EQ(rim[35].x, -4000);
    EXPECT_EQ(rim[40].y, 3999);
}

TEST(ClockGeometry, DensitiesFromPixelsAndMillimetres) {
    struct Case {
        QSize px;
        QSizeF mm;
        int h, v;
    } cases[] = {
        {{1024, 768}, {271, 203}, 377, 378},
        {{800, 800}, {203.2, 203.2}, 394, 394},
        {{1920, 1080}, {}, 1, 1},         // unknown: square pixels
        {{1920, 1080}, {0, 300}, 1, 1},   // half known is unknown
        {{100, 100}, {20000, 200}, 1, 1}, // a density of 0 would divide by zero
    };
    for (const Case &c : cases) {
        const Densities d = screen_densities(c.px, c.mm);
        EXPECT_EQ(d.horizontal, c.h) << c.mm.width();
        EXPECT_EQ(d.vertical, c.v) << c.mm.width();
    }
}

TEST(ClockGeometry, CorrectionTruncatesTowardZero) {
    const Densities d{377, 378};
    const RimTable rim = corrected_rim_table(d);
    EXPECT_EQ(rim[0].y, -8020); // -8020.2: toward zero, not down
    EXPECT_EQ(rim[30].y, 8020);
    EXPECT_EQ(rim[15], (PixelPoint{8000, 0}));
    EXPECT_EQ(to_vertical(-7, d), -7);
    EXPECT_EQ(to_horizontal(378, d), 377);
    EXPECT_EQ(corrected_rim_table(square), listed_rim_table());
}

TEST(ClockGeometry, FaceRectangleIsTheLargestRoundAreaCentred) {
    EXPECT_EQ(face_rect(400, 300, square), (PixelRect{53, 3, 347, 297}));
    EXPECT_EQ(face_rect(300, 400, square), (PixelRect{3, 53, 297, 347}));
    EXPECT_EQ(face_rect(100, 100, square), (PixelRect{3, 3, 97, 97}));
    // Wider pixels: 294 rows are 294 * 400 / 300 = 392 columns.
    EXPECT_EQ(face_rect(400, 300, Densities{400, 300}), (PixelRect{4, 3, 396, 297}));
    // Too small for a face: empty.
    EXPECT_EQ(face_rect(6, 6, square), (PixelRect{3, 3, 3, 3}));
}

TEST(ClockGeometry, WorkedExampleMarksRadiusAndCentre) {
    const FaceGeometry g = face_geometry({53, 3, 347, 297}, 1024, square);
    EXPECT_EQ(g.mark_width, 7);
    EXPECT_EQ(g.mark_height, 7);
    EXPECT_EQ(g.half_width, 3);
    EXPECT_EQ(g.half_height, 3);
    EXPECT_TRUE(g.fine_marks);
    EXPECT_EQ(g.radius, 144);
    EXPECT_EQ(g.centre, (PixelPoint{200, 150}));

    const RimTable &rim = listed_rim_table();
    const std::pair<int, PixelRect> marks[] = {
        {0, {197, 4, 204, 11}},
        {15, {341, 147, 348, 154}},
        {30, {197, 290, 204, 297}},
        {45, {54, 147, 61, 154}}, // one pixel nearer the centre: the 7999 entry
    };
    for (const auto &[p, rect] : marks)
        EXPECT_EQ(hour_mark_rect(g, rim_point(rim, g, p)), rect) << p;
}

TEST(ClockGeometry, SmallFacesLoseTheirFineMarks) {
    struct Case {
        int face_width, hres;
        bool fine;
        int mark_width, mark_height;
    } cases[] = {
        {230, 1920, false, 2, 2}, // 230 * 25 / 1920 = 2
        {231, 1920, true, 3, 3},
        {234, 1920, true, 3, 3},
        {40, 1920, false, 2, 1}, // 0 wide: clamped to 2 x 1
    };
    for (const Case &c : cases) {
        const FaceGeometry g = face_geometry({0, 0, c.face_width, c.face_width}, c.hres, square);
        EXPECT_EQ(g.fine_marks, c.fine) << c.face_width;
        EXPECT_EQ(g.mark_width, c.mark_width) << c.face_width;
        EXPECT_EQ(g.mark_height, c.mark_height) << c.face_width;
    }
}

TEST(ClockGeometry, ShrinkUsesHalfHeightOnTheSidesAndHalfWidthTopAndBottom) {
    // Unequal densities make the mark 8 wide and 16 high: halves 4 and 8.
    const Densities tall{100, 200};
    const FaceGeometry g = face_geometry({0, 0, 320, 640}, 1000, tall);
    EXPECT_EQ(g.mark_width, 8);
    EXPECT_EQ(g.mark_height, 16);
    EXPECT_EQ(g.radius, (320 - 16) / 2);
    EXPECT_EQ(g.centre, (PixelPoint{8 + 152, 4 + (640 - 8) / 2}));
}

TEST(ClockGeometry, HandSegmentsOfTheWorkedExample) {
    const RimTable &rim = listed_rim_table();
    const PixelPoint c{200, 150};
    using S = Segment;
    EXPECT_EQ(kite_hand(rim, c, 144, 15, hour_kite),
              (std::array{S{{200, 159}, {286, 150}}, S{{200, 141}, {286, 150}}, S{{200, 159}, {180, 150}},
                          S{{200, 141}, {180, 150}}}));
    EXPECT_EQ(kite_hand(rim, c, 144, 0, minute_kite),
              (std::array{S{{207, 150}, {200, 36}}, S{{193, 150}, {200, 36}}, S{{207, 150}, {200, 177}},
                          S{{193, 150}, {200, 177}}}));
    EXPECT_EQ(second_hand(rim, c, 144, 0), (S{{200, 150}, {200, 36}}));
    EXPECT_EQ(second_hand(rim, c, 144, 15), (S{{200, 150}, {315, 150}}));
    // The side and tail positions wrap round the dial.
    EXPECT_EQ(kite_hand(rim, c, 144, 50, minute_kite)[2].to, rim_point(rim, {.radius = 28, .centre = c}, 20));
}

TEST(ClockGeometry, HourHandMovesInTwelveMinuteSteps) {
    EXPECT_EQ(hour_position(10, 10), 50);
    EXPECT_EQ(hour_position(10, 59), 54);
    EXPECT_EQ(hour_position(3, 0), 15);
    EXPECT_EQ(clock_time(QTime(22, 59, 7)), (ClockTime{10, 59, 7}));
    EXPECT_EQ(clock_time(QTime(12, 0, 0)), (ClockTime{0, 0, 0}));
    EXPECT_EQ(clock_time(QTime(11, 59, 59)), (ClockTime{11, 59, 59}));
}

TEST(ClockGeometry, BrightEdgeColour) {
    EXPECT_EQ(bright_edge_color(clTeal), clAqua);
    EXPECT_EQ(bright_edge_color(0x00C000), 0x00FF00);
    EXPECT_EQ(bright_edge_color(0x000080), 0x0000FF);
    EXPECT_EQ(bright_edge_color(clRed), clBtnHighlight);
    EXPECT_EQ(bright_edge_color(0xFF0040), clBtnHighlight);
    EXPECT_EQ(bright_edge_color(clBlack), clBlack);
    EXPECT_EQ(bright_edge_color(0x0000C8), 0x0000FF); // 200 + 127 stays within its channel
}

} // namespace
} // namespace trovel

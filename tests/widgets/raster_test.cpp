// Pixel-exact lines and frames: first point painted and not the last, inversion undone
// by a second pass, and the 3-D frame's corners.
#include "widgets/raster.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace trovel {
namespace {

std::vector<PixelPoint> line_pixels(PixelPoint a, PixelPoint b) {
    std::vector<PixelPoint> out;
    for_each_line_pixel(a, b, [&](int x, int y) { out.push_back({x, y}); });
    return out;
}

TEST(Raster, LinesPaintTheirFirstPointAndNotTheirLast) {
    const std::vector<std::pair<PixelPoint, PixelPoint>> segments{
        {{0, 0}, {5, 0}},        {{5, 0}, {0, 0}},         {{0, 0}, {0, -4}},  {{200, 159}, {286, 150}},
        {{193, 150}, {200, 36}}, {{200, 141}, {180, 150}}, {{3, 3}, {-4, -4}}, {{0, 0}, {7, 3}},
    };
    for (const auto &[a, b] : segments) {
        SCOPED_TRACE(testing::Message() << a.x << "," << a.y << " -> " << b.x << "," << b.y);
        const auto px = line_pixels(a, b);
        ASSERT_EQ(px.size(), static_cast<size_t>(std::max(std::abs(b.x - a.x), std::abs(b.y - a.y))));
        EXPECT_EQ(px.front(), a);
        // Consecutive pixels touch, and the last one touches the end point, which is not painted.
        EXPECT_EQ(std::find(px.begin(), px.end(), b), px.end());
        for (size_t i = 0; i < px.size(); ++i) {
            const PixelPoint next = i + 1 < px.size() ? px[i + 1] : b;
            EXPECT_LE(std::abs(next.x - px[i].x), 1);
            EXPECT_LE(std::abs(next.y - px[i].y), 1);
        }
    }
    EXPECT_TRUE(line_pixels({4, 4}, {4, 4}).empty());
}

TEST(Raster, LinesPickTheNearestPixel) {
    // 7 across, 3 down: the exact rows are 0, 3/7, 6/7, 9/7, 12/7, 15/7, 18/7.
    const std::vector<PixelPoint> expected{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 3}};
    EXPECT_EQ(line_pixels({0, 0}, {7, 3}), expected);
}

TEST(Raster, InvertingTwiceRestoresAndClippingIsSilent) {
    QImage img(20, 10, QImage::Format_RGB32);
    img.fill(qRgb(0xC0, 0x40, 0x10));
    const QImage before = img.copy();
    Raster r(img);
    r.invert_line({0, 0}, {30, 12});
    EXPECT_NE(img, before);
    EXPECT_EQ(img.pixel(0, 0), qRgb(0x3F, 0xBF, 0xEF));
    r.invert_line({0, 0}, {30, 12});
    EXPECT_EQ(img, before);
    r.fill({-10, -10, 100, 100}, clBlack); // clipped, no crash
    EXPECT_EQ(img.pixel(19, 9), qRgb(0, 0, 0));
}

TEST(Raster, FrameLightTopLeftDarkBottomRight) {
    QImage img(6, 5, QImage::Format_RGB32);
    img.fill(qRgb(0, 0, 0));
    Raster r(img);
    r.frame_3d({1, 1, 5, 4}, clWhite, clRed);
    const char *expected[] = {
        "......", //
        ".LLLD.", // top row without its last pixel
        ".L..D.", //
        ".DDDD.", // bottom row, corners included
        "......",
    };
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            const QRgb want = expected[y][x] == 'L'   ? qRgb(255, 255, 255)
                              : expected[y][x] == 'D' ? qRgb(255, 0, 0)
                                                      : qRgb(0, 0, 0);
            EXPECT_EQ(img.pixel(x, y), want) << x << "," << y;
        }
}

} // namespace
} // namespace trovel

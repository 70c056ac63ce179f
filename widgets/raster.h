// Pixel-exact drawing on a 32-bit image: clipped rectangle fills, one-pixel lines that
// paint their first point and not their last, inverted lines and 3-D frames. QPainter's
// lines include their last point and may be antialiased; the clock needs neither.
#pragma once

#include "widgets/clock_geometry.h"

#include <QImage>
#include <cstdlib>

namespace trovel {

// Calls plot(x, y) for every pixel of the segment a -> b except b itself, by Bresenham's
// rule (the nearest pixel on the minor axis, ties staying on the side of a). A segment of
// length zero paints nothing.
template <class Plot> void for_each_line_pixel(PixelPoint a, PixelPoint b, Plot plot) {
    const int dx = std::abs(b.x - a.x), dy = std::abs(b.y - a.y);
    const int sx = b.x < a.x ? -1 : 1, sy = b.y < a.y ? -1 : 1;
    int x = a.x, y = a.y;
    if (dx >= dy) {
        int err = 2 * dy - dx;
        for (int i = 0; i < dx; ++i) {
            plot(x, y);
            if (err > 0) {
                y += sy;
                err -= 2 * dx;
            }
            err += 2 * dy;
            x += sx;
        }
    } else {
        int err = 2 * dx - dy;
        for (int i = 0; i < dy; ++i) {
            plot(x, y);
            if (err > 0) {
                x += sx;
                err -= 2 * dy;
            }
            err += 2 * dx;
            y += sy;
        }
    }
}

class Raster {
public:
    // The image must be QImage::Format_RGB32 (or ARGB32); colours are plain 0x00BBGGRR.
    explicit Raster(QImage &image);

    void fill(const PixelRect &r, TColor color);
    void plot(int x, int y, TColor color);
    void line(PixelPoint a, PixelPoint b, TColor color);
    // Every pixel of the segment becomes 255 minus itself in each channel.
    void invert_line(PixelPoint a, PixelPoint b);
    // The outermost ring of r: the top row less its last pixel and the left column less
    // its bottom pixel in `light`; the right column and the bottom row, corners included,
    // in `dark`.
    void frame_3d(const PixelRect &r, TColor light, TColor dark);

    static QRgb to_qrgb(TColor c);

private:
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    QRgb *row(int y) { return reinterpret_cast<QRgb *>(bits_ + static_cast<qsizetype>(y) * stride_); }

    uchar *bits_;
    qsizetype stride_;
    int width_, height_;
};

} // namespace trovel

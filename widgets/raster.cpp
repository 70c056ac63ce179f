#include "widgets/raster.h"

#include <algorithm>

namespace trovel {

Raster::Raster(QImage &image)
    : bits_(image.bits()), stride_(image.bytesPerLine()), width_(image.width()), height_(image.height()) {}

QRgb Raster::to_qrgb(TColor c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

void Raster::fill(const PixelRect &r, TColor color) {
    const int left = std::max(r.left, 0), right = std::min(r.right, width_);
    const int top = std::max(r.top, 0), bottom = std::min(r.bottom, height_);
    if (left >= right || top >= bottom) return;
    const QRgb v = to_qrgb(color);
    for (int y = top; y < bottom; ++y)
        std::fill(row(y) + left, row(y) + right, v);
}

void Raster::plot(int x, int y, TColor color) {
    if (inside(x, y)) row(y)[x] = to_qrgb(color);
}

void Raster::line(PixelPoint a, PixelPoint b, TColor color) {
    const QRgb v = to_qrgb(color);
    for_each_line_pixel(a, b, [&](int x, int y) {
        if (inside(x, y)) row(y)[x] = v;
    });
}

void Raster::invert_line(PixelPoint a, PixelPoint b) {
    for_each_line_pixel(a, b, [&](int x, int y) {
        if (inside(x, y)) row(y)[x] ^= 0x00FFFFFFu;
    });
}

void Raster::frame_3d(const PixelRect &r, TColor light, TColor dark) {
    // Drawn as two polylines, so degenerate rectangles come out as the classic ones do:
    // light from the bottom-left corner up and across, dark from the top-right corner
    // down and back to just past the left edge.
    const int right = r.right - 1, bottom = r.bottom - 1;
    line({r.left, bottom}, {r.left, r.top}, light);
    line({r.left, r.top}, {right, r.top}, light);
    line({right, r.top}, {right, bottom}, dark);
    line({right, bottom}, {r.left - 1, bottom}, dark);
}

} // namespace trovel

#include "widgets/clock_geometry.h"

#include <QtGlobal>
#include <algorithm>

namespace trovel {

namespace {

constexpr std::array<int, 60> rim_x{0,     836,   1663,  2472,  3253,  3999,  4702,  5353,  5945,  6472,  6928,  7308,
                                    7608,  7825,  7956,  8000,  7956,  7825,  7608,  7308,  6928,  6472,  5945,  5353,
                                    4702,  3999,  3253,  2472,  1663,  836,   0,     -836,  -1663, -2472, -3253, -4000,
                                    -4702, -5353, -5945, -6472, -6928, -7308, -7608, -7825, -7956, -7999, -7956, -7825,
                                    -7608, -7308, -6928, -6472, -5945, -5353, -4702, -3999, -3253, -2472, -1663, -836};

constexpr std::array<int, 60> rim_y{-7999, -7956, -7825, -7608, -7308, -6928, -6472, -5945, -5353, -4702, -4000, -3253,
                                    -2472, -1663, -836,  0,     836,   1663,  2472,  3253,  4000,  4702,  5353,  5945,
                                    6472,  6928,  7308,  7608,  7825,  7956,  7999,  7956,  7825,  7608,  7308,  6928,
                                    6472,  5945,  5353,  4702,  3999,  3253,  2472,  1663,  836,   0,     -836,  -1663,
                                    -2472, -3253, -4000, -4702, -5353, -5945, -6472, -6928, -7308, -7608, -7825, -7956};

int wrap_position(int p) { return ((p % 60) + 60) % 60; }

PixelPoint rim_offset(const RimTable &rim, int p, int distance) {
    const PixelPoint r = rim[wrap_position(p)];
    return {r.x * distance / 8000, r.y * distance / 8000};
}

} // namespace

const RimTable &listed_rim_table() {
    static const RimTable table = [] {
        RimTable t;
        for (int p = 0; p < 60; ++p)
            t[p] = {rim_x[p], rim_y[p]};
        return t;
    }();
    return table;
}

Densities screen_densities(QSize pixels, QSizeF millimetres) {
    const int mm_w = qRound(millimetres.width());
    const int mm_h = qRound(millimetres.height());
    if (mm_w <= 0 || mm_h <= 0 || pixels.width() <= 0 || pixels.height() <= 0) return {};
    const Densities d{pixels.width() * 100 / mm_w, pixels.height() * 100 / mm_h};
    // A density of 0 (absurd millimetres) would divide by zero later; treat as unknown.
    if (d.horizontal <= 0 || d.vertical <= 0) return {};
    return d;
}

int to_vertical(int l, Densities d) { return l * d.vertical / d.horizontal; }
int to_horizontal(int l, Densities d) { return l * d.horizontal / d.vertical; }

RimTable corrected_rim_table(Densities d) {
    RimTable t = listed_rim_table();
    for (PixelPoint &p : t)
        p.y = to_vertical(p.y, d);
    return t;
}

ClockScreen make_clock_screen(QSize pixels, QSizeF millimetres) {
    ClockScreen s;
    if (pixels.width() > 0 && pixels.height() > 0) {
        s.hres = pixels.width();
        s.vres = pixels.height();
    }
    s.densities = screen_densities(pixels, millimetres);
    s.rim = corrected_rim_table(s.densities);
    return s;
}

PixelRect face_rect(int width, int height, Densities d, int inset) {
    PixelRect r{inset, inset, width - inset, height - inset};
    const int w = r.width();
    const int h = r.height();
    if (w > to_horizontal(h, d)) {
        const int face_w = to_horizontal(h, d);
        r.left += (w - face_w) / 2;
        r.right = r.left + face_w;
    } else {
        const int face_h = to_vertical(w, d);
        r.top += (h - face_h) / 2;
        r.bottom = r.top + face_h;
    }
    return r;
}

FaceGeometry face_geometry(const PixelRect &face, int hres, Densities d) {
    FaceGeometry g;
    const int mark_w = face.width() * 25 / std::max(hres, 1);
    // The height follows the unclamped width.
    g.mark_height = std::max(to_vertical(mark_w, d), 1);
    g.mark_width = std::max(mark_w, 2);
    g.half_width = g.mark_width / 2;
    g.half_height = g.mark_height / 2;
    // Half the height comes off the sides and half the width off top and bottom: the
    // clock has always done it this way round.
    const PixelRect inner{face.left + g.half_height, face.top + g.half_width, face.right - g.half_height,
                          face.bottom - g.half_width};
    g.radius = inner.width() / 2;
    g.centre = {inner.left + g.radius, inner.top + inner.height() / 2};
    g.fine_marks = g.mark_width > 2 && g.mark_height > 1;
    return g;
}

PixelPoint rim_point(const RimTable &rim, const FaceGeometry &g, int p) {
    const PixelPoint o = rim_offset(rim, p, g.radius);
    return {o.x + g.centre.x, o.y + g.centre.y};
}

PixelRect hour_mark_rect(const FaceGeometry &g, PixelPoint at) {
    const int left = at.x - g.half_width;
    const int top = at.y - g.half_height;
    return {left, top, left + g.mark_width, top + g.mark_height};
}

int hour_position(int hour, int minute) { return hour * 5 + minute / 12; }

std::array<Segment, 4> kite_hand(const RimTable &rim, PixelPoint centre, int radius, int p, KiteShape shape) {
    const PixelPoint tip = rim_offset(rim, p, radius * shape.tip / 100);
    const PixelPoint side = rim_offset(rim, p + 15, radius * shape.side / 100);
    const PixelPoint tail = rim_offset(rim, p + 30, radius * shape.tail / 100);
    const PixelPoint plus{centre.x + side.x, centre.y + side.y};
    const PixelPoint minus{centre.x - side.x, centre.y - side.y};
    const PixelPoint tip_at{centre.x + tip.x, centre.y + tip.y};
    const PixelPoint tail_at{centre.x + tail.x, centre.y + tail.y};
    return {Segment{plus, tip_at}, Segment{minus, tip_at}, Segment{plus, tail_at}, Segment{minus, tail_at}};
}

Segment second_hand(const RimTable &rim, PixelPoint centre, int radius, int p) {
    const PixelPoint o = rim_offset(rim, p, radius * 80 / 100);
    return {centre, {centre.x + o.x, centre.y + o.y}};
}

TColor bright_edge_color(TColor c) {
    const TColor bytes[3] = {c & 0xFFu, (c >> 8) & 0xFFu, (c >> 16) & 0xFFu};
    TColor result = 0;
    for (int i = 0; i < 3; ++i) {
        TColor b = bytes[i];
        if (b == 255) return clBtnHighlight;
        if (b == 192)
            b = 255;
        else if (b != 0)
            b = std::min<TColor>(b + 127, 255); // never spill into the next channel
        result |= b << (8 * i);
    }
    return result;
}

ClockTime clock_time(QTime t) {
    int hour = t.hour();
    if (hour >= 12) hour -= 12;
    return {hour, t.minute(), t.second()};
}

} // namespace trovel

#include "widgets/clock_painter.h"

#include "widgets/raster.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace trovel {

namespace {

// Border width 0, and two bevels of one pixel each: 0 + 1 + 1 + 1.
constexpr int bevel_inset = 3;

void paint_marks(Raster &r, const ClockScreen &screen, const ClockLook &look, const FaceGeometry &g) {
    const TColor color = color_to_rgb(look.color);
    const TColor ink = color_to_rgb(look.ink);
    const TColor shadow = color_to_rgb(clBtnShadow);
    const TColor highlight = color_to_rgb(clBtnHighlight);
    const bool raised = g.fine_marks && look.ctl3d;
    const TColor dots = color_to_rgb(look.dots);
    const TColor edge = color_to_rgb(bright_edge_color(dots));
    const TColor frame = color_to_rgb(clWindowFrame);
    for (int p = 0; p < 60; ++p) {
        const PixelPoint at = rim_point(screen.rim, g, p);
        if (p % 5 == 0) {
            const PixelRect mark = hour_mark_rect(g, at);
            if (raised) {
                r.fill(mark, dots);
                r.frame_3d(mark, edge, frame);
            } else {
                r.fill(mark, ink);
            }
        } else if (g.fine_marks) {
            if (look.ctl3d) {
                // Engraved: dark up and left, light down and right, background at the centre.
                r.fill({at.x - 1, at.y - 1, at.x + 1, at.y + 1}, shadow);
                r.fill({at.x, at.y, at.x + 2, at.y + 2}, highlight);
                r.plot(at.x, at.y, color);
            } else {
                r.plot(at.x, at.y, ink);
            }
        }
    }
}

PixelRect intersect(const PixelRect &a, const PixelRect &b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

// Boxes that hold every pixel a segment paints, in strips along its longer axis: the box
// of a long slanted hand would be mostly face, sent to the display for nothing. At step i
// of the line its other coordinate lies within a pixel of from + d * i / steps, so each
// strip's box grows by one pixel all round.
void add_segment_boxes(std::vector<PixelRect> &boxes, const Segment &s) {
    constexpr int strip = 16;
    const int dx = s.to.x - s.from.x, dy = s.to.y - s.from.y;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    for (int i = 0; i == 0 || i < steps; i += strip) {
        const int j = std::min(i + strip, steps);
        const int x0 = s.from.x + dx * i / std::max(steps, 1), x1 = s.from.x + dx * j / std::max(steps, 1);
        const int y0 = s.from.y + dy * i / std::max(steps, 1), y1 = s.from.y + dy * j / std::max(steps, 1);
        boxes.push_back({std::min(x0, x1) - 1, std::min(y0, y1) - 1, std::max(x0, x1) + 2, std::max(y0, y1) + 2});
    }
}

void add_kite_boxes(std::vector<PixelRect> &boxes, const ClockScreen &screen, const FaceGeometry &g, ClockTime t) {
    for (const Segment &s : kite_hand(screen.rim, g.centre, g.radius, hour_position(t.hour, t.minute), hour_kite))
        add_segment_boxes(boxes, s);
    for (const Segment &s : kite_hand(screen.rim, g.centre, g.radius, t.minute, minute_kite))
        add_segment_boxes(boxes, s);
}

void add_second_hand_boxes(std::vector<PixelRect> &boxes, const ClockScreen &screen, const FaceGeometry &g,
                           ClockTime t) {
    add_segment_boxes(boxes, second_hand(screen.rim, g.centre, g.radius, t.second));
}

} // namespace

PixelRect clock_face_rect(QSize size, const ClockScreen &screen) {
    return face_rect(size.width(), size.height(), screen.densities, bevel_inset);
}

FaceGeometry paint_clock_face(QImage &image, const ClockScreen &screen, const ClockLook &look, const PixelRect &face) {
    Raster r(image);
    const TColor color = color_to_rgb(look.color);
    const TColor highlight = color_to_rgb(clBtnHighlight);
    const TColor shadow = color_to_rgb(clBtnShadow);
    const PixelRect client{0, 0, image.width(), image.height()};
    r.fill(client, color);
    r.frame_3d(client, highlight, shadow);                                      // raised outer bevel
    r.frame_3d({1, 1, client.right - 1, client.bottom - 1}, shadow, highlight); // lowered inner bevel
    r.fill(face, color);

    const FaceGeometry g = face_geometry(face, screen.hres, screen.densities);
    paint_marks(r, screen, look, g);
    return g;
}

void paint_clock_hands(QImage &image, const ClockScreen &screen, const ClockLook &look, const FaceGeometry &g,
                       ClockTime t) {
    Raster r(image);
    const TColor ink = color_to_rgb(look.ink);
    for (const Segment &s : kite_hand(screen.rim, g.centre, g.radius, hour_position(t.hour, t.minute), hour_kite))
        r.line(s.from, s.to, ink);
    for (const Segment &s : kite_hand(screen.rim, g.centre, g.radius, t.minute, minute_kite))
        r.line(s.from, s.to, ink);
    if (look.show_seconds) {
        const Segment s = second_hand(screen.rim, g.centre, g.radius, t.second);
        r.invert_line(s.from, s.to);
    }
}

FaceGeometry paint_clock(QImage &image, const ClockScreen &screen, const ClockLook &look, const PixelRect &face,
                         ClockTime t) {
    const FaceGeometry g = paint_clock_face(image, screen, look, face);
    paint_clock_hands(image, screen, look, g, t);
    return g;
}

std::vector<PixelRect> move_clock_hands(QImage &image, const QImage &face_image, const ClockScreen &screen,
                                        const ClockLook &look, const FaceGeometry &g, ClockTime from, ClockTime to) {
    std::vector<PixelRect> boxes;
    const bool kites_move =
        hour_position(from.hour, from.minute) != hour_position(to.hour, to.minute) || from.minute != to.minute;
    if (kites_move) {
        add_kite_boxes(boxes, screen, g, from);
        add_kite_boxes(boxes, screen, g, to);
    }
    if (look.show_seconds && (from.second != to.second || kites_move)) {
        add_second_hand_boxes(boxes, screen, g, from);
        add_second_hand_boxes(boxes, screen, g, to);
    }
    std::vector<PixelRect> changed;
    for (const PixelRect &b : boxes) {
        const PixelRect r = intersect(b, {0, 0, image.width(), image.height()});
        if (r.width() > 0 && r.height() > 0) changed.push_back(r);
    }
    // Wiping the boxes takes every pixel of the old hands that moved (all of them lie in
    // them) back to the face. Drawing the kites again in ink leaves their pixels outside
    // as they were, and the inverting second hand lies wholly inside, so the result is the
    // full paint at the new time.
    for (const PixelRect &r : changed) {
        for (int y = r.top; y < r.bottom; ++y)
            std::memcpy(image.scanLine(y) + r.left * 4, face_image.constScanLine(y) + r.left * 4, r.width() * 4);
    }
    if (!changed.empty()) paint_clock_hands(image, screen, look, g, to);
    return changed;
}

} // namespace trovel

#include "widgets/clock_painter.h"

#include "widgets/raster.h"

#include <algorithm>
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

bool empty(const PixelRect &r) { return r.width() <= 0 || r.height() <= 0; }

PixelRect unite(const PixelRect &a, const PixelRect &b) {
    if (empty(a)) return b;
    if (empty(b)) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

PixelRect intersect(const PixelRect &a, const PixelRect &b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

// The pixels a segment paints lie within the box of its two end points.
PixelRect segment_box(const Segment &s) {
    return {std::min(s.from.x, s.to.x), std::min(s.from.y, s.to.y), std::max(s.from.x, s.to.x) + 1,
            std::max(s.from.y, s.to.y) + 1};
}

PixelRect kite_hands_box(const ClockScreen &screen, const FaceGeometry &g, ClockTime t) {
    PixelRect box;
    for (const Segment &s : kite_hand(screen.rim, g.centre, g.radius, hour_position(t.hour, t.minute), hour_kite))
        box = unite(box, segment_box(s));
    for (const Segment &s : kite_hand(screen.rim, g.centre, g.radius, t.minute, minute_kite))
        box = unite(box, segment_box(s));
    return box;
}

PixelRect second_hand_box(const ClockScreen &screen, const FaceGeometry &g, ClockTime t) {
    return segment_box(second_hand(screen.rim, g.centre, g.radius, t.second));
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

PixelRect move_clock_hands(QImage &image, const QImage &face_image, const ClockScreen &screen, const ClockLook &look,
                           const FaceGeometry &g, ClockTime from, ClockTime to) {
    PixelRect changed;
    if (hour_position(from.hour, from.minute) != hour_position(to.hour, to.minute) || from.minute != to.minute)
        changed = unite(kite_hands_box(screen, g, from), kite_hands_box(screen, g, to));
    if (look.show_seconds && (from.second != to.second || !empty(changed)))
        changed = unite(changed, unite(second_hand_box(screen, g, from), second_hand_box(screen, g, to)));
    changed = intersect(changed, {0, 0, image.width(), image.height()});
    if (empty(changed)) return {};
    // Wiping the box takes every pixel of the old hands that moved (all of them lie in it)
    // back to the face. Drawing the kites again in ink leaves their pixels outside it as
    // they were, and the inverting second hand lies wholly inside it, so the result is
    // the full paint at the new time.
    const int bytes = changed.width() * 4;
    for (int y = changed.top; y < changed.bottom; ++y)
        std::memcpy(image.scanLine(y) + changed.left * 4, face_image.constScanLine(y) + changed.left * 4, bytes);
    paint_clock_hands(image, screen, look, g, to);
    return changed;
}

} // namespace trovel

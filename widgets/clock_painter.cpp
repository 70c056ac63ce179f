#include "widgets/clock_painter.h"

#include "widgets/raster.h"

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

} // namespace

PixelRect clock_face_rect(QSize size, const ClockScreen &screen) {
    return face_rect(size.width(), size.height(), screen.densities, bevel_inset);
}

FaceGeometry paint_clock(QImage &image, const ClockScreen &screen, const ClockLook &look, const PixelRect &face,
                         ClockTime t) {
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

    const TColor ink = color_to_rgb(look.ink);
    for (const Segment &s : kite_hand(screen.rim, g.centre, g.radius, hour_position(t.hour, t.minute), hour_kite))
        r.line(s.from, s.to, ink);
    for (const Segment &s : kite_hand(screen.rim, g.centre, g.radius, t.minute, minute_kite))
        r.line(s.from, s.to, ink);
    if (look.show_seconds) {
        const Segment s = second_hand(screen.rim, g.centre, g.radius, t.second);
        r.invert_line(s.from, s.to);
    }
    return g;
}

} // namespace trovel

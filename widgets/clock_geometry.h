// The numbers behind the analog clock face: the rim table, the screen's pixel densities,
// the face rectangle, mark sizes, hand segments and the raised marks' bright edge colour.
// Pure functions of integers; every division truncates toward zero, as C++ does.
#pragma once

#include "widgets/colors.h"

#include <QSize>
#include <QSizeF>
#include <QTime>
#include <array>

namespace trovel {

// A rectangle of pixels; right and bottom are exclusive.
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const PixelRect &) const = default;
};

struct PixelPoint {
    int x = 0, y = 0;
    bool operator==(const PixelPoint &) const = default;
};

// A drawn segment paints `from` and not `to`.
struct Segment {
    PixelPoint from, to;
    bool operator==(const Segment &) const = default;
};

// Pixels per 100 mm across and down the screen.
struct Densities {
    int horizontal = 1, vertical = 1;
};

// One point per minute position, clockwise from 12 o'clock, as offsets from the centre in
// 1/8000 of the radius, y growing downwards.
using RimTable = std::array<PixelPoint, 60>;

// The table as the clock has always had it: 8000 sin and -8000 cos made whole, with a few
// entries one unit short (7999, 3999). Those are kept; they place 9 o'clock one pixel
// nearer the centre than 3 o'clock on some faces.
const RimTable &listed_rim_table();

// From the screen's size in pixels and millimetres (the millimetres rounded to whole ones).
// Unknown or unusable millimetres give equal densities, i.e. square pixels.
Densities screen_densities(QSize pixels, QSizeF millimetres);

int to_vertical(int l, Densities d);
int to_horizontal(int l, Densities d);

// The listed table with every y scaled by vertical / horizontal density, so the face stays
// round on screens whose pixels are not square.
RimTable corrected_rim_table(Densities d);

// What the first clock of the process learns about the screen; every clock shares it.
struct ClockScreen {
    int hres = 1024; // screen width in pixels
    int vres = 768;
    Densities densities;
    RimTable rim;
};
ClockScreen make_clock_screen(QSize pixels, QSizeF millimetres);

// The face: the client rectangle less the bevels (`inset` on every side), narrowed to the
// largest round area centred in the longer direction.
PixelRect face_rect(int width, int height, Densities d, int inset = 3);

struct FaceGeometry {
    int mark_width = 2, mark_height = 1;
    int half_width = 1, half_height = 0;
    int radius = 0;
    PixelPoint centre;
    bool fine_marks = false; // raised hour marks and minute marks
};
// Mark sizes scale with the face (25 pixels for a face as wide as the screen); the
// radius and centre come from the face less half a mark.
FaceGeometry face_geometry(const PixelRect &face, int hres, Densities d);

// Where minute position p (0-59) lies on the rim.
PixelPoint rim_point(const RimTable &rim, const FaceGeometry &g, int p);

// The hour mark centred on a rim point.
PixelRect hour_mark_rect(const FaceGeometry &g, PixelPoint at);

// The hour hand moves in 12-minute steps.
int hour_position(int hour, int minute);

// A kite hand's three points as percentages of the radius.
struct KiteShape {
    int tip, side, tail;
};
inline constexpr KiteShape hour_kite{60, 7, 15};
inline constexpr KiteShape minute_kite{80, 5, 20};

// The four sides of a kite hand at position p: centre + side to tip, centre - side to tip,
// centre + side to tail, centre - side to tail.
std::array<Segment, 4> kite_hand(const RimTable &rim, PixelPoint centre, int radius, int p, KiteShape shape);
Segment second_hand(const RimTable &rim, PixelPoint centre, int radius, int p);

// The light edge of a raised hour mark filled with colour c (plain RGB). Button highlight
// when a channel is already full; otherwise 192 becomes 255, other non-zero channels gain
// 127 (at most up to 255) and zero channels stay 0 (teal gives aqua).
TColor bright_edge_color(TColor c);

// The time the hands show: hour 0-11.
struct ClockTime {
    int hour = 0, minute = 0, second = 0;
    bool operator==(const ClockTime &) const = default;
};
ClockTime clock_time(QTime t);

} // namespace trovel

// Paints a whole analog clock into an image: background, bevels, face marks, the kite
// hands and the inverting second hand; or moves the hands of a painted clock to a new
// time, touching only the pixels around the hands that moved. No widget involved, so
// tests and the benchmark can render faces directly.
#pragma once

#include "widgets/clock_geometry.h"
#include "widgets/colors.h"

#include <QImage>
#include <vector>

namespace trovel {

struct ClockLook {
    TColor color = clBtnFace;  // the control and the face
    TColor ink = clWindowText; // the hands, and the marks on small faces
    TColor dots = clTeal;      // the raised hour marks
    bool ctl3d = true;
    bool show_seconds = true;
};

// The face rectangle of a control of this size: inside a raised and a lowered one-pixel
// bevel.
PixelRect clock_face_rect(QSize size, const ClockScreen &screen);

// Paints the full clock over the whole image (Format_RGB32), showing time t on `face`.
// Returns the geometry the face was drawn with (radius, centre, marks).
FaceGeometry paint_clock(QImage &image, const ClockScreen &screen, const ClockLook &look, const PixelRect &face,
                         ClockTime t);

// The same without the hands: what stays put while the clock runs.
FaceGeometry paint_clock_face(QImage &image, const ClockScreen &screen, const ClockLook &look, const PixelRect &face);

// The hands at time t, over a face painted by paint_clock_face.
void paint_clock_hands(QImage &image, const ClockScreen &screen, const ClockLook &look, const FaceGeometry &g,
                       ClockTime t);

// Turns `image`, a full paint at time `from`, into the full paint at time `to`: the hands
// that moved are wiped with `face_image` (paint_clock_face of the same size and look) and
// all hands are drawn again. Returns the rectangles of pixels that may have changed, strips
// along the hands that moved (none when the picture stays the same; they may overlap);
// nothing outside them is touched.
std::vector<PixelRect> move_clock_hands(QImage &image, const QImage &face_image, const ClockScreen &screen,
                                        const ClockLook &look, const FaceGeometry &g, ClockTime from, ClockTime to);

} // namespace trovel

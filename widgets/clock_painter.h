// Paints a whole analog clock into an image: background, bevels, face marks, the kite
// hands and the inverting second hand. No widget involved, so tests and the benchmark
// can render faces directly.
#pragma once

#include "widgets/clock_geometry.h"
#include "widgets/colors.h"

#include <QImage>

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

} // namespace trovel

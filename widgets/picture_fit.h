// Where the picture display draws its picture: shrink-only fitting, centred.
#pragma once

#include <QRect>
#include <QSize>

namespace trovel {

// The rectangle (in the area's coordinates) into which a picture of `picture` pixels is
// drawn inside an area of `area` pixels. A picture larger than the area in either
// direction is shrunk with its proportions kept; a smaller one keeps its own size; either
// is centred. Returns an empty rectangle when the area has no width or height, or the
// picture has no pixels.
QRect fit_picture(QSize picture, QSize area);

} // namespace trovel

// Reading a widget's pixels back as program colours (0x00BBGGRR).
#pragma once

#include "widgets/colors.h"

#include <QImage>
#include <QWidget>

namespace trovel::test {

inline TColor to_tcolor(QRgb rgb) {
    return static_cast<TColor>(qRed(rgb)) | static_cast<TColor>(qGreen(rgb)) << 8 |
           static_cast<TColor>(qBlue(rgb)) << 16;
}

inline QImage grab_image(QWidget &w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

inline TColor pixel_at(const QImage &img, int x, int y) { return to_tcolor(img.pixel(x, y)); }

} // namespace trovel::test

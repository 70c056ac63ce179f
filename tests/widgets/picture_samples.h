// Picture files made at run time for the picture tests: JPEG through libjpeg, BMP through
// Qt, and small hand-built GIFs whose logical screen differs from their image.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <ostream>

namespace trovel::test {

// A baseline JPEG of one colour. With cmyk, the colour is written as Adobe-style
// inverted CMYK with an Adobe marker, as Photoshop does.
QByteArray jpeg_bytes(QSize size, QColor colour, bool cmyk = false);
// The same JPEG with the frame header's width and height replaced (the data stays small).
QByteArray jpeg_declaring(QSize declared);
QByteArray bmp_bytes(QSize size, QColor colour);
// A GIF89a with a logical screen of `screen` and one image of `image` at (0, 0) in
// `colour`, with or without a graphic control block before the image.
QByteArray gif_bytes(QSize screen, QSize image, QColor colour, bool control_block);

void write_file(const QString &path, const QByteArray &bytes);

} // namespace trovel::test

// Readable sizes and rectangles in test failures.
void PrintTo(const QSize &size, std::ostream *os);
void PrintTo(const QRect &rect, std::ostream *os);

// Picture files made at run time for the picture tests: JPEG through libjpeg, BMP through
// Qt, and small hand-built GIFs whose logical screen differs from their image.
#pragma once

#include "support/test_files.h"

#include <QByteArray>
#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <ostream>

namespace trovel::test {

// A JPEG of one colour, baseline or progressive. With cmyk, the colour is written as
// Adobe-style inverted CMYK with an Adobe marker, as Photoshop does.
enum class JpegKind { baseline, progressive };
QByteArray jpeg_bytes(QSize size, QColor colour, bool cmyk = false, JpegKind kind = JpegKind::baseline);
// A 16x16 JPEG with the frame header's width and height replaced (the data stays small).
QByteArray jpeg_declaring(QSize declared, JpegKind kind = JpegKind::baseline);
QByteArray bmp_bytes(QSize size, QColor colour);
// A GIF89a with a logical screen of `screen` and one image of `image` at (0, 0) in
// `colour`, with or without a graphic control block before the image.
QByteArray gif_bytes(QSize screen, QSize image, QColor colour, bool control_block);

} // namespace trovel::test

// Readable sizes and rectangles in test failures.
void PrintTo(const QSize &size, std::ostream *os);
void PrintTo(const QRect &rect, std::ostream *os);

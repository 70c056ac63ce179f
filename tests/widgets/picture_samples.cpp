#include "picture_samples.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

namespace trovel::test {

QByteArray jpeg_bytes(QSize size, QColor colour, bool cmyk, JpegKind kind) {
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char *out = nullptr;
    unsigned long out_size = 0;
    jpeg_mem_dest(&c, &out, &out_size);
    c.image_width = JDIMENSION(size.width());
    c.image_height = JDIMENSION(size.height());
    c.input_components = cmyk ? 4 : 3;
    c.in_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 95, TRUE);
    if (kind == JpegKind::progressive) jpeg_simple_progression(&c);
    jpeg_start_compress(&c, TRUE);
    std::vector<JSAMPLE> row(size_t(size.width()) * size_t(c.input_components));
    for (int x = 0; x < size.width(); ++x) {
        JSAMPLE *px = &row[size_t(x) * size_t(c.input_components)];
        if (cmyk) {
            // Inverted CMYK: 255 means no ink. Black ink stays at none (255).
            px[0] = JSAMPLE(colour.red());
            px[1] = JSAMPLE(colour.green());
            px[2] = JSAMPLE(colour.blue());
            px[3] = 255;
        } else {
            px[0] = JSAMPLE(colour.red());
            px[1] = JSAMPLE(colour.green());
            px[2] = JSAMPLE(colour.blue());
        }
    }
    while (c.next_scanline < c.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    QByteArray bytes(reinterpret_cast<const char *>(out), qsizetype(out_size));
    free(out);
    return bytes;
}

QByteArray jpeg_declaring(QSize declared, JpegKind kind) {
    QByteArray bytes = jpeg_bytes(QSize(16, 16), Qt::green, false, kind);
    const qsizetype sof = bytes.indexOf(kind == JpegKind::baseline ? "\xFF\xC0" : "\xFF\xC2");
    if (sof < 0) throw std::logic_error("no frame header");
    bytes[sof + 5] = char(declared.height() >> 8);
    bytes[sof + 6] = char(declared.height() & 0xFF);
    bytes[sof + 7] = char(declared.width() >> 8);
    bytes[sof + 8] = char(declared.width() & 0xFF);
    return bytes;
}

QByteArray bmp_bytes(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP")) throw std::runtime_error("BMP writer failed");
    return bytes;
}

namespace {

void put16(QByteArray &b, int v) {
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

// LZW data for `count` pixels of colour index 1 with a minimum code size of 2. A clear
// code before every pair of pixels keeps the table from growing, so every code stays 3 bits.
QByteArray lzw_pixels(int count) {
    std::vector<int> codes;
    for (int i = 0; i < count; i += 2) {
        codes.push_back(4); // clear
        codes.push_back(1);
        if (i + 1 < count) codes.push_back(1);
    }
    codes.push_back(5); // end of information
    QByteArray packed;
    unsigned bits = 0, nbits = 0;
    for (int code : codes) {
        bits |= unsigned(code) << nbits;
        nbits += 3;
        while (nbits >= 8) {
            packed.append(char(bits & 0xFF));
            bits >>= 8;
            nbits -= 8;
        }
    }
    if (nbits > 0) packed.append(char(bits & 0xFF));
    return packed;
}

} // namespace

QByteArray gif_bytes(QSize screen, QSize image, QColor colour, bool control_block) {
    QByteArray b("GIF89a");
    put16(b, screen.width());
    put16(b, screen.height());
    b.append(char(0x80));                              // a global colour table of 2 entries
    b.append(char(0));                                 // background colour index
    b.append(char(0));                                 // aspect
    b.append(char(0)).append(char(0)).append(char(0)); // entry 0: black
    b.append(char(colour.red())).append(char(colour.green())).append(char(colour.blue()));
    if (control_block) b.append(QByteArray("\x21\xF9\x04\x00\x00\x00\x00\x00", 8));
    b.append(char(0x2C));
    put16(b, 0);
    put16(b, 0);
    put16(b, image.width());
    put16(b, image.height());
    b.append(char(0)); // no local colour table, not interlaced
    b.append(char(2)); // minimum code size
    const QByteArray data = lzw_pixels(image.width() * image.height());
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        b.append(char(block.size()));
        b.append(block);
    }
    b.append(char(0));
    b.append(char(0x3B));
    return b;
}

} // namespace trovel::test

void PrintTo(const QSize &size, std::ostream *os) { *os << size.width() << "x" << size.height(); }

void PrintTo(const QRect &rect, std::ostream *os) {
    *os << rect.width() << "x" << rect.height() << " at (" << rect.x() << ", " << rect.y() << ")";
}

// Turning picture files into images. The picture display recognises the format from the
// content alone; the chooser's preview goes by the file's extension. Both refuse files
// and pictures too large to hold safely.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QtGlobal>
#include <stdexcept>

namespace trovel {

// Files larger than this are not read at all.
inline constexpr qint64 kMaxPictureFileBytes = qint64(256) * 1024 * 1024;
// Pictures wider or taller than this are not decoded.
inline constexpr int kMaxPictureSide = 16384;

struct DecodedPicture {
    // The decoded pixels. A JPEG may have been decoded at a reduced scale, so this can be
    // smaller than pixel_size; it is always drawn scaled anyway.
    QImage image;
    // The file's own size in pixels.
    QSize pixel_size{0, 0};
    // For a GIF with at least one graphic control block: its logical screen size; else 0x0.
    QSize logical_screen{0, 0};
};

// A JPEG library failure, with libjpeg's message code.
class JpegError : public std::runtime_error {
public:
    explicit JpegError(int code);
    int code() const { return code_; }

private:
    int code_;
};

// Reads a whole file. Throws std::runtime_error when it cannot be opened, is not a regular
// file (a directory, a FIFO, a device), or is larger than kMaxPictureFileBytes.
QByteArray read_picture_file(const QString &path);

// The logical screen size of a GIF that holds at least one graphic control block directly
// followed by an image separator; 0x0 for any other content.
QSize gif_logical_screen(const QByteArray &bytes);

// Decodes picture bytes, recognising the format from the content alone: JPEG through
// libjpeg, anything else through Qt's image readers (BMP, GIF, PNG, ...). A JPEG is decoded
// at the smallest DCT scale (1/8 steps) that still covers min_size in both directions;
// an empty min_size decodes it at full size. Throws std::runtime_error on any failure.
DecodedPicture decode_picture(const QByteArray &bytes, QSize min_size = QSize());

// Decodes a file for the chooser's preview, by its extension: ".jpg" and ".jpeg" through
// libjpeg (failures throw JpegError, "JPEG error #<code>"), ".bmp" through Qt's BMP
// reader; any other extension fails. Throws std::runtime_error on any failure.
DecodedPicture decode_preview_by_extension(const QString &path, QSize min_size = QSize());

} // namespace trovel

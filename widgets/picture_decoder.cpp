#include "widgets/picture_decoder.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include <jpeglib.h>

namespace trovel {

namespace {

// A crafted progressive JPEG can hold thousands of tiny scans, each costing a full pass
// over the coefficients; real files have a dozen or so.
constexpr int kMaxJpegScans = 1000;
// A progressive JPEG keeps every DCT coefficient of the whole picture until its last scan,
// two bytes a sample whatever the output scale: a file of a few hundred bytes can declare
// 16384x16384 pixels and ask for gigabytes. libjpeg refuses any such buffer that would take
// its memory beyond this (it has no backing store to fall back on). Single-scan files need
// only a few rows at a time and never come near it.
constexpr long kMaxJpegMemoryBytes = 512L * 1024 * 1024;

void check_side_limits(QSize size) {
    if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
        throw std::runtime_error("Picture too large");
}

[[noreturn]] void jpeg_throw(j_common_ptr cinfo) { throw JpegError(cinfo->err->msg_code); }

// Warnings (a file cut short, bad data in a scan) still give a picture; keep stderr quiet.
void jpeg_quiet(j_common_ptr) {}

void jpeg_limit_scans(j_common_ptr cinfo) {
    auto *d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number > kMaxJpegScans) throw std::runtime_error("Too many scans in JPEG file");
}

// Converts one row of libjpeg's CMYK output to QImage::Format_RGB32. Adobe's writers
// store the inks inverted, and they are the ones that write an Adobe marker.
void cmyk_row_to_rgb(const JSAMPLE *in, QRgb *out, JDIMENSION width, bool inverted) {
    for (JDIMENSION x = 0; x < width; ++x, in += 4) {
        int c = in[0], m = in[1], y = in[2], k = in[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

DecodedPicture decode_jpeg(const QByteArray &bytes, QSize min_size) {
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr jerr{};
    jpeg_progress_mgr progress{};
    cinfo.err = jpeg_std_error(&jerr);
    jerr.error_exit = jpeg_throw;
    jerr.output_message = jpeg_quiet;
    jpeg_create_decompress(&cinfo);
    struct Destroy {
        j_decompress_ptr c;
        ~Destroy() { jpeg_destroy_decompress(c); }
    } destroy{&cinfo};
    cinfo.mem->max_memory_to_use = kMaxJpegMemoryBytes;
    progress.progress_monitor = jpeg_limit_scans;
    cinfo.progress = &progress;

    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);

    DecodedPicture result;
    result.pixel_size = QSize(int(std::min<JDIMENSION>(cinfo.image_width, JPEG_MAX_DIMENSION)),
                              int(std::min<JDIMENSION>(cinfo.image_height, JPEG_MAX_DIMENSION)));
    check_side_limits(result.pixel_size);

    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX; // the byte order of Format_RGB32
#else
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_XRGB;
#endif

    // The largest picture area is the screen, so decoding more pixels than the screen
    // holds only costs time and memory.
    cinfo.scale_denom = 8;
    for (unsigned num = 1; num <= 8; ++num) {
        cinfo.scale_num = num;
        jpeg_calc_output_dimensions(&cinfo);
        if (min_size.isEmpty()) {
            cinfo.scale_num = 8;
            break;
        }
        if (cinfo.output_width >= JDIMENSION(min_size.width()) && cinfo.output_height >= JDIMENSION(min_size.height()))
            break;
    }
    jpeg_start_decompress(&cinfo);

    QImage image(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
    if (image.isNull()) throw std::runtime_error("Could not allocate memory for image");
    std::vector<JSAMPLE> cmyk_row(cmyk ? size_t(cinfo.output_width) * 4 : 0);
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = int(cinfo.output_scanline);
        JSAMPROW row = cmyk ? cmyk_row.data() : image.scanLine(y);
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) throw std::runtime_error("Could not load image");
        if (cmyk)
            cmyk_row_to_rgb(row, reinterpret_cast<QRgb *>(image.scanLine(y)), cinfo.output_width,
                            cinfo.saw_Adobe_marker);
    }
    // The rest of the stream (trailing markers) is of no interest; destroying the
    // decompressor releases everything.
    result.image = std::move(image);
    return result;
}

DecodedPicture decode_with_qt(const QByteArray &bytes, const QByteArray &format) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(format.isEmpty());
    if (!reader.canRead()) throw std::runtime_error("Could not load image. Invalid format");
    // Refuse a huge declared size before anything is allocated for it.
    const QSize declared = reader.size();
    if (declared.isValid()) check_side_limits(declared);

    DecodedPicture result;
    result.image = reader.read();
    if (result.image.isNull()) throw std::runtime_error("Could not load image");
    check_side_limits(result.image.size());
    result.pixel_size = result.image.size();
    return result;
}

bool is_jpeg(const QByteArray &bytes) {
    return bytes.size() >= 2 && uchar(bytes[0]) == 0xFF && uchar(bytes[1]) == 0xD8;
}

uint16_t read_le16(const QByteArray &bytes, int at) { return uint16_t(uchar(bytes[at]) | (uchar(bytes[at + 1]) << 8)); }

} // namespace

JpegError::JpegError(int code) : std::runtime_error("JPEG error #" + std::to_string(code)), code_(code) {}

QByteArray read_picture_file(const QString &path) {
    const QByteArray name = QFile::encodeName(path);
    // Non-blocking, so that opening a FIFO cannot hang; regular files read normally.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) throw std::runtime_error("Cannot open file: " + std::string(std::strerror(errno)));
    struct Close {
        int fd;
        ~Close() { ::close(fd); }
    } close_fd{fd};

    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) throw std::runtime_error("Not a regular file");
    if (st.st_size > kMaxPictureFileBytes) throw std::runtime_error("File too large");

    // The file may change while it is read: stop at the limit whatever its size said.
    QByteArray bytes;
    qint64 used = 0;
    bytes.resize(qsizetype(st.st_size) + 1);
    for (;;) {
        if (used == bytes.size()) {
            if (used > kMaxPictureFileBytes) throw std::runtime_error("File too large");
            bytes.resize(qsizetype(std::min<qint64>(used * 2, kMaxPictureFileBytes + 1)));
        }
        const ssize_t n = ::read(fd, bytes.data() + used, size_t(bytes.size() - used));
        if (n < 0) {
            if (errno == EINTR) continue;
            throw std::runtime_error("Cannot read file: " + std::string(std::strerror(errno)));
        }
        if (n == 0) break;
        used += n;
    }
    if (used > kMaxPictureFileBytes) throw std::runtime_error("File too large");
    bytes.resize(qsizetype(used));
    return bytes;
}

QSize gif_logical_screen(const QByteArray &bytes) {
    const qsizetype n = bytes.size();
    if (n < 10 || !bytes.startsWith("GIF8")) return QSize(0, 0);
    // A graphic control block (extension introducer, label, block size 4) whose image
    // separator follows right after its 4 data bytes and terminator.
    for (qsizetype p = 0; p + 9 < n; ++p) {
        if (uchar(bytes[p]) == 0x21 && uchar(bytes[p + 1]) == 0xF9 && uchar(bytes[p + 2]) == 0x04 &&
            uchar(bytes[p + 8]) == 0x2C)
            return QSize(read_le16(bytes, 6), read_le16(bytes, 8));
    }
    return QSize(0, 0);
}

DecodedPicture decode_picture(const QByteArray &bytes, QSize min_size) {
    DecodedPicture result = is_jpeg(bytes) ? decode_jpeg(bytes, min_size) : decode_with_qt(bytes, QByteArray());
    result.logical_screen = gif_logical_screen(bytes);
    return result;
}

DecodedPicture decode_preview_by_extension(const QString &path, QSize min_size) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return decode_jpeg(read_picture_file(path), min_size);
    if (suffix == QLatin1String("bmp")) return decode_with_qt(read_picture_file(path), "bmp");
    throw std::runtime_error("Unknown picture file extension");
}

} // namespace trovel

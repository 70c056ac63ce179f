// Fuzzes the picture loader: any bytes through the display's path (format from the content,
// JPEG through libjpeg, the rest through Qt's readers), and the chooser's preview path by
// extension (.jpg through libjpeg, .bmp through Qt's BMP reader). A failure must be a
// std::runtime_error; a success must give an image within the size limits.
#include "widgets/adv_picture.h"
#include "widgets/picture_decoder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

// In the temporary folder (scripts/fuzz points it at a tmpfs folder of its own, removed
// even when a crash skips this one's cleanup).
QTemporaryDir *work_dir() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/fuzz_picture-XXXXXX"));
    return &dir;
}

[[noreturn]] void fail(const char *what) {
    std::fprintf(stderr, "fuzz_picture: %s\n", what);
    std::abort();
}

void check(const trovel::DecodedPicture &d) {
    const QSize s = d.pixel_size;
    if (d.image.isNull()) fail("a decode succeeded without an image");
    if (s.width() <= 0 || s.height() <= 0 || s.width() > trovel::kMaxPictureSide ||
        s.height() > trovel::kMaxPictureSide)
        fail("a decoded picture has a size out of range");
    if (d.image.width() > s.width() || d.image.height() > s.height()) fail("the image is larger than the picture");
}

template <typename Decode> void decode_or_refuse(Decode decode) {
    try {
        check(decode());
    } catch (const std::runtime_error &) {
        // A refused picture is fine; anything else thrown escapes and is reported.
    }
}

void write_file(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        fail("cannot write the input file");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's readers complain about broken files on stderr; that is expected here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    // Never destroyed: the readers and their plugins live for the whole run.
    new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // The display decodes for the screen (large JPEGs at a reduced scale), straight from
    // bytes and through its picture loader, which reads a file. Nothing in the program
    // decodes at full size, so neither does this: a picture of the largest accepted size
    // takes a gigabyte and seconds there, which is allowed.
    decode_or_refuse([&] { return trovel::decode_picture(bytes, QSize(800, 600)); });

    const bool jpeg = size >= 2 && data[0] == 0xFF && data[1] == 0xD8;
    const QString path = work_dir()->filePath(jpeg ? QStringLiteral("p.jpg") : QStringLiteral("p.bmp"));
    write_file(path, bytes);
    trovel::TIPicture picture;
    picture.set_screen_size(QSize(800, 600));
    picture.load_file(path);
    if (!picture.empty() && (picture.image().isNull() || picture.natural_size().isEmpty()))
        fail("a loaded picture has no image");

    // The chooser's preview goes by the extension: JPEG bytes as .jpg, anything else as .bmp.
    decode_or_refuse([&] { return trovel::decode_preview_by_extension(path, QSize(160, 120)); });
    return 0;
}

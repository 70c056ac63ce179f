// Build-time tool: turns the program's pixel-art icon into the PNG sizes of the desktop's
// icon theme. Each pixel becomes a square block (no smoothing), so only whole multiples
// of the source size are allowed.
//
//   trovel_icon_tool SOURCE.xpm OUTPUT.png SIZE
#include <QImage>
#include <QString>
#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SOURCE OUTPUT.png SIZE\n", argv[0]);
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[3]).toInt(&ok);
    const QImage image(source);
    if (image.isNull()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    if (!ok || size <= 0 || image.width() != image.height() || size % image.width() != 0) {
        std::fprintf(stderr, "%s: %s is %dx%d; %s is not a whole multiple of it\n", argv[0], argv[1], image.width(),
                     image.height(), argv[3]);
        return 1;
    }
    const QImage scaled =
        image.convertToFormat(QImage::Format_ARGB32).scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!scaled.save(output, "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}

// Decoding picture bytes: format by content for the display, by extension for the
// preview, and the limits that keep hostile files from taking the memory.
#include "picture_samples.h"
#include "widgets/picture_decoder.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>

#include <jerror.h>
#include <jpeglib.h>

namespace trovel {
namespace {

using test::bmp_bytes;
using test::gif_bytes;
using test::jpeg_bytes;
using test::jpeg_declaring;

// JPEG is lossy: a flat colour comes back close, not exact.
void expect_near_colour(QRgb actual, QColor expected) {
    EXPECT_NEAR(qRed(actual), expected.red(), 6);
    EXPECT_NEAR(qGreen(actual), expected.green(), 6);
    EXPECT_NEAR(qBlue(actual), expected.blue(), 6);
}

TEST(PictureDecoder, RecognisesFormatFromContent) {
    const QColor colour(200, 40, 30);
    struct Case {
        const char *name;
        QByteArray bytes;
        QSize size;
    };
    const std::vector<Case> cases = {
        {"jpeg", jpeg_bytes({37, 21}, colour), {37, 21}},
        {"bmp", bmp_bytes({37, 21}, colour), {37, 21}},
        {"gif", gif_bytes({37, 21}, {37, 21}, colour, false), {37, 21}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedPicture d = decode_picture(c.bytes);
        EXPECT_EQ(d.pixel_size, c.size);
        ASSERT_EQ(d.image.size(), c.size);
        expect_near_colour(d.image.pixel(18, 10), colour);
        EXPECT_EQ(d.logical_screen, QSize(0, 0));
    }
}

TEST(PictureDecoder, CmykJpegComesOutInColour) {
    const QColor colour(220, 30, 40);
    const DecodedPicture d = decode_picture(jpeg_bytes({16, 16}, colour, true));
    expect_near_colour(d.image.pixel(8, 8), colour);
}

TEST(PictureDecoder, RefusesWhatIsNoPicture) {
    const QByteArray jpeg = jpeg_bytes({64, 64}, Qt::blue);
    const std::vector<std::pair<const char *, QByteArray>> cases = {
        {"empty", QByteArray()},
        {"text", QByteArray("hello, this is plain text\n")},
        {"jpeg signature only", QByteArray("\xFF\xD8\xFF", 3)},
        {"jpeg cut inside its header", jpeg.left(100)},
        {"bmp signature only", QByteArray("BM\0\0\0\0", 6)},
        {"gif signature only", QByteArray("GIF89a")},
    };
    for (const auto &[name, bytes] : cases) {
        SCOPED_TRACE(name);
        EXPECT_THROW(decode_picture(bytes), std::runtime_error);
    }
}

TEST(PictureDecoder, RefusesPicturesDeclaringMoreThanTheLimit) {
    struct Case {
        QSize declared;
        bool loads;
    };
    const std::vector<Case> cases = {
        {{kMaxPictureSide, 8}, true},      {{8, kMaxPictureSide}, true}, {{kMaxPictureSide + 1, 8}, false},
        {{8, kMaxPictureSide + 1}, false}, {{60000, 60000}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.declared.width() << "x" << c.declared.height());
        // The JPEG path: the frame header lies about the size, the data is tiny.
        if (c.loads) {
            EXPECT_EQ(decode_picture(jpeg_declaring(c.declared), QSize(1024, 768)).pixel_size, c.declared);
        } else {
            EXPECT_THROW(decode_picture(jpeg_declaring(c.declared)), std::runtime_error);
        }
    }
    // Qt's path: a BMP header declaring a huge size with no pixel data behind it.
    QByteArray bmp = bmp_bytes({4, 4}, Qt::red);
    const int huge = kMaxPictureSide + 1;
    std::memcpy(bmp.data() + 18, &huge, 4); // width in the info header, little-endian
    EXPECT_THROW(decode_picture(bmp), std::runtime_error);
}

TEST(PictureDecoder, DecodesLargeJpegAtTheSmallestScaleCoveringTheScreen) {
    const QByteArray jpeg = jpeg_bytes({2000, 1000}, Qt::darkCyan);
    struct Case {
        QSize screen;
        QSize decoded;
    };
    const std::vector<Case> cases = {
        {{}, {2000, 1000}},           // no screen known: full size
        {{250, 125}, {250, 125}},     // 1/8 is exactly enough
        {{400, 300}, {750, 375}},     // the height needs 3/8 although the width needs 2/8
        {{1024, 768}, {1750, 875}},   // 7/8: 6/8 would give 750 rows
        {{1999, 1000}, {2000, 1000}}, // nothing smaller covers it
        {{4000, 3000}, {2000, 1000}}, // never enlarged
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.screen.width() << "x" << c.screen.height());
        const DecodedPicture d = decode_picture(jpeg, c.screen);
        EXPECT_EQ(d.image.size(), c.decoded);
        EXPECT_EQ(d.pixel_size, QSize(2000, 1000));
    }
}

TEST(PictureDecoder, GifLogicalScreenCountsOnlyWithAControlBlockBeforeAnImage) {
    EXPECT_EQ(gif_logical_screen(gif_bytes({40, 20}, {10, 10}, Qt::red, true)), QSize(40, 20));
    EXPECT_EQ(gif_logical_screen(gif_bytes({40, 20}, {10, 10}, Qt::red, false)), QSize(0, 0));
    // A control block followed by something other than an image separator.
    QByteArray not_before_image = gif_bytes({40, 20}, {10, 10}, Qt::red, true);
    not_before_image.replace(QByteArray("\x21\xF9\x04\x00\x00\x00\x00\x00\x2C", 9),
                             QByteArray("\x21\xF9\x04\x00\x00\x00\x00\x00\x21", 9));
    EXPECT_EQ(gif_logical_screen(not_before_image), QSize(0, 0));
    // The same bytes in something that is not a GIF.
    QByteArray not_gif = gif_bytes({40, 20}, {10, 10}, Qt::red, true);
    not_gif[3] = '7';
    not_gif[0] = 'X';
    EXPECT_EQ(gif_logical_screen(not_gif), QSize(0, 0));
    // A control block in the last bytes that cannot hold its image separator.
    EXPECT_EQ(gif_logical_screen(QByteArray("GIF89a\x05\x00\x05\x00\x21\xF9\x04", 13)), QSize(0, 0));

    const DecodedPicture d = decode_picture(gif_bytes({40, 20}, {10, 10}, Qt::red, true));
    EXPECT_EQ(d.logical_screen, QSize(40, 20));
}

class PictureFiles : public testing::Test {
protected:
    QString path(const QString &name) const { return dir_.filePath(name); }
    QString write(const QString &name, const QByteArray &bytes) const {
        test::write_file(path(name), bytes);
        return path(name);
    }
    QTemporaryDir dir_;
};

TEST_F(PictureFiles, PreviewChoosesTheDecoderByExtension) {
    const QColor colour(10, 120, 230);
    const QByteArray jpeg = jpeg_bytes({30, 20}, colour);
    const QByteArray bmp = bmp_bytes({30, 20}, colour);
    for (const char *name : {"a.jpg", "b.JPG", "c.jpeg"}) {
        SCOPED_TRACE(name);
        const DecodedPicture d = decode_preview_by_extension(write(name, jpeg));
        EXPECT_EQ(d.pixel_size, QSize(30, 20));
        expect_near_colour(d.image.pixel(15, 10), colour);
    }
    EXPECT_EQ(decode_preview_by_extension(write("d.bmp", bmp)).image.pixel(3, 3), colour.rgb());

    // Wrong content for the extension, or an extension the preview does not read.
    EXPECT_THROW(decode_preview_by_extension(write("e.bmp", jpeg)), std::runtime_error);
    EXPECT_THROW(decode_preview_by_extension(write("f.png", bmp)), std::runtime_error);
    EXPECT_THROW(decode_preview_by_extension(write("g", jpeg)), std::runtime_error);
    EXPECT_THROW(decode_preview_by_extension(path("missing.jpg")), std::runtime_error);
}

TEST_F(PictureFiles, PreviewJpegFailuresCarryLibjpegsCode) {
    struct Case {
        const char *name;
        QByteArray bytes;
        int code;
    };
    const std::vector<Case> cases = {
        {"bmp.jpg", bmp_bytes({8, 8}, Qt::red), JERR_NO_SOI},
        {"empty.jpg", QByteArray(), JERR_INPUT_EMPTY},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        try {
            decode_preview_by_extension(write(c.name, c.bytes));
            ADD_FAILURE() << "decoded";
        } catch (const JpegError &e) {
            EXPECT_EQ(e.code(), c.code);
            EXPECT_EQ(std::string(e.what()), "JPEG error #" + std::to_string(c.code));
        }
    }
}

} // namespace
} // namespace trovel

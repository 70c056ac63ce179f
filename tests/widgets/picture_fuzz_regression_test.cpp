// Pictures on which fuzz/fuzz_picture failed, kept so they stay handled.
#include "widgets/picture_decoder.h"

#include <QByteArray>
#include <QSize>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace trovel {
namespace {

// A small grey progressive JPEG whose frame header then claims `declared`: the scans stay
// tiny, so the file is a few hundred bytes whatever it claims.
QByteArray progressive_jpeg_declaring(QSize declared) {
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char *out = nullptr;
    unsigned long out_size = 0;
    jpeg_mem_dest(&c, &out, &out_size);
    c.image_width = 16;
    c.image_height = 16;
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_simple_progression(&c);
    jpeg_start_compress(&c, TRUE);
    std::vector<JSAMPLE> row(16 * 3, 128);
    while (c.next_scanline < c.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    QByteArray bytes(reinterpret_cast<const char *>(out), qsizetype(out_size));
    std::free(out);

    const qsizetype sof = bytes.indexOf("\xFF\xC2");
    EXPECT_GT(sof, 0) << "no progressive frame header";
    bytes[sof + 5] = char(declared.height() >> 8);
    bytes[sof + 6] = char(declared.height() & 0xFF);
    bytes[sof + 7] = char(declared.width() >> 8);
    bytes[sof + 8] = char(declared.width() & 0xFF);
    return bytes;
}

// A progressive JPEG holds the coefficients of the whole picture until its last scan,
// whatever scale it is decoded at. A few hundred bytes claiming 16000x16000 pixels used to
// take about 1.5 GB and seconds on the display's path (decoded for the screen); now the
// decoder's memory is capped and such a file is refused at once. Ordinary progressive
// photos stay far below the cap.
TEST(PictureFuzzRegression, ProgressiveJpegCannotClaimGigabytes) {
    struct Case {
        QSize declared;
        bool loads;
    };
    const std::vector<Case> cases = {
        {{16, 16}, true},
        {{6000, 4000}, true},
        {{16000, 16000}, false},
        {{kMaxPictureSide, 12000}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.declared.width() << "x" << c.declared.height());
        const QByteArray bytes = progressive_jpeg_declaring(c.declared);
        if (c.loads) {
            EXPECT_EQ(decode_picture(bytes, QSize(1024, 768)).pixel_size, c.declared);
            continue;
        }
        try {
            decode_picture(bytes, QSize(1024, 768));
            ADD_FAILURE() << "decoded";
        } catch (const JpegError &e) {
            EXPECT_EQ(e.code(), JERR_NO_BACKING_STORE);
        }
    }
}

} // namespace
} // namespace trovel

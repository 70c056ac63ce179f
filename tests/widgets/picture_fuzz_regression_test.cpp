// Pictures on which fuzz/fuzz_picture failed, kept so they stay handled.
#include "picture_samples.h"
#include "widgets/picture_decoder.h"

#include <QByteArray>
#include <QSize>
#include <gtest/gtest.h>

#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace trovel {
namespace {

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
        const QByteArray bytes = test::jpeg_declaring(c.declared, test::JpegKind::progressive);
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

// Fitting a picture into the display's area: shrink only, proportions kept, centred.
#include "picture_samples.h"
#include "widgets/picture_fit.h"

#include <gtest/gtest.h>

namespace trovel {
namespace {

struct FitCase {
    QSize picture;
    QSize area;
    QRect expected;
};

TEST(PictureFit, ShrinksLargePicturesCentresAll) {
    const std::vector<FitCase> cases = {
        {{640, 480}, {133, 231}, QRect(0, 66, 133, 99)},
        // 700 / (1000 / 300) lands just below 210 and is truncated.
        {{1000, 700}, {300, 400}, QRect(0, 95, 300, 209)},
        {{1024, 768}, {300, 200}, QRect(17, 0, 266, 200)},
        // Both ratios above 1, the width ratio the smaller: the height decides.
        {{300, 300}, {200, 100}, QRect(50, 0, 100, 100)},
        // One pixel too wide also costs height.
        {{301, 100}, {300, 200}, QRect(0, 50, 300, 99)},
        // Small pictures are never enlarged.
        {{100, 50}, {300, 200}, QRect(100, 75, 100, 50)},
        {{300, 200}, {300, 200}, QRect(0, 0, 300, 200)},
        // Equal ratios take the height branch; both give the whole area.
        {{600, 400}, {300, 200}, QRect(0, 0, 300, 200)},
        // A tall picture: shrunk by height and centred horizontally (odd remainder dropped).
        {{100, 1000}, {301, 100}, QRect(145, 0, 10, 100)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.picture.width() << "x" << c.picture.height() << " in " << c.area.width()
                                        << "x" << c.area.height());
        EXPECT_EQ(fit_picture(c.picture, c.area), c.expected);
    }
}

TEST(PictureFit, DrawsNothingWithoutAreaOrPixels) {
    EXPECT_TRUE(fit_picture({640, 480}, {0, 200}).isEmpty());
    EXPECT_TRUE(fit_picture({640, 480}, {200, 0}).isEmpty());
    EXPECT_TRUE(fit_picture({640, 480}, {-5, 200}).isEmpty());
    EXPECT_TRUE(fit_picture({0, 0}, {200, 200}).isEmpty());
    // So extreme a shrink that a side rounds to nothing.
    EXPECT_TRUE(fit_picture({10000, 1}, {100, 100}).isEmpty());
}

} // namespace
} // namespace trovel

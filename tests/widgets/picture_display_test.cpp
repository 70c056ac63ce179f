// The picture display: loading by content, failures that only empty it, and what is drawn
// where, read back from an offscreen grab of its panel.
#include "picture_samples.h"
#include "widgets/adv_picture.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trovel {
namespace {

using test::bmp_bytes;
using test::gif_bytes;
using test::jpeg_bytes;

const QColor kPanel(0xC0, 0xC0, 0xC0);

// A panel with its own face colour around the display, as in the rest window; it counts
// the mouse presses and releases that reach it.
class Panel : public QWidget {
public:
    Panel() {
        QPalette p = palette();
        p.setColor(QPalette::Window, kPanel);
        setPalette(p);
        setAutoFillBackground(true);
        resize(300, 200);
        picture = new TAdvPicture(this);
        picture->setGeometry(0, 0, 300, 200);
    }
    QImage grab_rgb() { return grab().toImage().convertToFormat(QImage::Format_RGB32); }

    TAdvPicture *picture;
    int presses = 0;
    int releases = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
    void mouseReleaseEvent(QMouseEvent *) override { ++releases; }
};

class PictureDisplay : public testing::Test {
protected:
    QString write(const QString &name, const QByteArray &bytes) {
        const QString path = dir_.filePath(name);
        test::write_file(path, bytes);
        return path;
    }
    QTemporaryDir dir_;
    Panel panel_;
};

TEST_F(PictureDisplay, StartsEmptyAndDrawsNothing) {
    EXPECT_TRUE(panel_.picture->Picture()->empty());
    EXPECT_TRUE(panel_.picture->draw_rect().isEmpty());
    EXPECT_EQ(TAdvPicture().size(), QSize(100, 100));
    EXPECT_EQ(panel_.grab_rgb().pixel(150, 100), kPanel.rgb());
}

TEST_F(PictureDisplay, DrawsASmallPictureUnscaledInTheCentreAndNothingAround) {
    panel_.picture->Picture()->load_file(write("small.bmp", bmp_bytes({100, 50}, Qt::red)));
    ASSERT_FALSE(panel_.picture->Picture()->empty());
    EXPECT_EQ(panel_.picture->draw_rect(), QRect(100, 75, 100, 50));
    const QImage shot = panel_.grab_rgb();
    EXPECT_EQ(shot.pixel(100, 75), QColor(Qt::red).rgb());
    EXPECT_EQ(shot.pixel(199, 124), QColor(Qt::red).rgb());
    EXPECT_EQ(shot.pixel(99, 75), kPanel.rgb());
    EXPECT_EQ(shot.pixel(200, 124), kPanel.rgb());
    EXPECT_EQ(shot.pixel(150, 74), kPanel.rgb());
    EXPECT_EQ(shot.pixel(150, 125), kPanel.rgb());
}

TEST_F(PictureDisplay, ShrinksALargePictureAndRefitsWhenResized) {
    panel_.picture->Picture()->load_file(write("large.bmp", bmp_bytes({1024, 768}, Qt::blue)));
    EXPECT_EQ(panel_.picture->draw_rect(), QRect(17, 0, 266, 200));
    QImage shot = panel_.grab_rgb();
    EXPECT_EQ(shot.pixel(17, 100), QColor(Qt::blue).rgb());
    EXPECT_EQ(shot.pixel(282, 100), QColor(Qt::blue).rgb());
    EXPECT_EQ(shot.pixel(16, 100), kPanel.rgb());
    EXPECT_EQ(shot.pixel(283, 100), kPanel.rgb());

    panel_.picture->resize(133, 231);
    EXPECT_EQ(panel_.picture->draw_rect(), QRect(0, 66, 133, 99));
    shot = panel_.grab_rgb();
    EXPECT_EQ(shot.pixel(66, 65), kPanel.rgb());
    EXPECT_EQ(shot.pixel(66, 66), QColor(Qt::blue).rgb());
    EXPECT_EQ(shot.pixel(66, 164), QColor(Qt::blue).rgb());
    EXPECT_EQ(shot.pixel(66, 165), kPanel.rgb());

    panel_.picture->resize(0, 231);
    EXPECT_TRUE(panel_.picture->draw_rect().isEmpty());
}

TEST_F(PictureDisplay, RecognisesTheFormatFromTheContentNotTheName) {
    TIPicture *picture = panel_.picture->Picture();
    picture->load_file(write("bmp.jpg", bmp_bytes({40, 30}, Qt::green)));
    EXPECT_FALSE(picture->empty());
    EXPECT_EQ(picture->natural_size(), QSize(40, 30));
    EXPECT_EQ(panel_.grab_rgb().pixel(150, 100), QColor(Qt::green).rgb());

    picture->load_file(write("jpeg.bmp", jpeg_bytes({48, 32}, Qt::green)));
    EXPECT_FALSE(picture->empty());
    EXPECT_EQ(picture->natural_size(), QSize(48, 32));
}

TEST_F(PictureDisplay, AFailedLoadOnlyEmptiesThePicture) {
    const QString good = write("good.jpg", jpeg_bytes({60, 40}, Qt::red));
    const QString fifo = dir_.filePath("fifo.jpg");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString huge = write("huge.jpg", QByteArray());
    ASSERT_EQ(truncate(QFile::encodeName(huge).constData(), kMaxPictureFileBytes + 1), 0);
    const std::vector<std::pair<const char *, QString>> failures = {
        {"missing", dir_.filePath("missing.jpg")},
        {"empty", write("empty.jpg", QByteArray())},
        {"text", write("text.jpg", "not a picture at all\n")},
        {"directory", dir_.path()},
        {"fifo", fifo},
        {"over 256 MiB", huge},
        {"declares too many pixels", write("wide.jpg", test::jpeg_declaring({kMaxPictureSide + 1, 10}))},
    };

    TIPicture *picture = panel_.picture->Picture();
    int notices = 0;
    picture->OnChange = [&] { ++notices; };
    for (const auto &[name, path] : failures) {
        SCOPED_TRACE(name);
        notices = 0;
        picture->load_file(good);
        ASSERT_FALSE(picture->empty());
        EXPECT_EQ(notices, 1);
        notices = 0;
        QElapsedTimer timer;
        timer.start();
        picture->load_file(path);
        EXPECT_LT(timer.elapsed(), 2000); // a FIFO must not block
        EXPECT_TRUE(picture->empty());
        EXPECT_EQ(notices, 0);
        EXPECT_TRUE(panel_.picture->draw_rect().isEmpty());
    }
    // From the next repaint on, the panel shows through.
    EXPECT_EQ(panel_.grab_rgb().pixel(150, 100), kPanel.rgb());
}

TEST_F(PictureDisplay, FitsAGifWithControlBlocksByItsLogicalScreen) {
    TIPicture *picture = panel_.picture->Picture();
    picture->load_file(write("screen.gif", gif_bytes({600, 100}, {10, 10}, Qt::red, true)));
    ASSERT_FALSE(picture->empty());
    EXPECT_EQ(picture->draw_size(), QSize(600, 100));
    EXPECT_EQ(panel_.picture->draw_rect(), QRect(0, 75, 300, 50));

    // Without a control block the logical screen does not count.
    picture->load_file(write("plain.gif", gif_bytes({600, 100}, {10, 10}, Qt::red, false)));
    ASSERT_FALSE(picture->empty());
    EXPECT_EQ(picture->logical_screen_size(), QSize(0, 0));
    EXPECT_EQ(picture->draw_size(), picture->natural_size());
}

TEST_F(PictureDisplay, FitsADownscaledJpegByItsFullPixelSize) {
    TIPicture *picture = panel_.picture->Picture();
    picture->set_screen_size({400, 300});
    picture->load_file(write("big.jpg", jpeg_bytes({2000, 1000}, Qt::yellow)));
    ASSERT_FALSE(picture->empty());
    EXPECT_LT(picture->image().width(), 2000);
    EXPECT_EQ(picture->natural_size(), QSize(2000, 1000));
    // 1000 / (2000 / 300) lands just below 150.
    EXPECT_EQ(panel_.picture->draw_rect(), QRect(0, 25, 300, 149));
    const QRgb middle = panel_.grab_rgb().pixel(150, 100);
    EXPECT_GT(qRed(middle), 240);
    EXPECT_GT(qGreen(middle), 240);
    EXPECT_LT(qBlue(middle), 20);
}

// A 600x400 BMP, red in its top-left quarter and blue elsewhere: shrunk into the 300x200
// display.
QByteArray quarters_bmp() {
    QImage quarters(600, 400, QImage::Format_RGB32);
    quarters.fill(Qt::blue);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            quarters.setPixel(x, y, qRgb(255, 0, 0));
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    quarters.save(&buffer, "BMP");
    return bmp;
}

TEST_F(PictureDisplay, KeepsNoPixelsWhileHiddenAndDrawsTheSamePictureWhenShownAgain) {
    const QString path = write("quarters.bmp", quarters_bmp());
    TIPicture *picture = panel_.picture->Picture();
    picture->load_file(path);
    panel_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel_));
    const QImage before = panel_.grab_rgb();
    EXPECT_EQ(before.pixel(100, 60), qRgb(255, 0, 0));
    EXPECT_EQ(before.pixel(200, 150), qRgb(0, 0, 255));

    panel_.hide();
    EXPECT_TRUE(picture->released());
    EXPECT_TRUE(picture->image().isNull());
    EXPECT_FALSE(picture->empty());
    EXPECT_EQ(picture->natural_size(), QSize(600, 400));
    panel_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel_));
    EXPECT_EQ(panel_.grab_rgb(), before);
    EXPECT_EQ(picture->decode_count(), 2);

    // A load while hidden replaces the released picture without decoding the old one.
    panel_.hide();
    picture->load_file(write("green.bmp", bmp_bytes({300, 200}, Qt::green)));
    EXPECT_FALSE(picture->released());
    panel_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel_));
    EXPECT_EQ(panel_.grab_rgb().pixel(150, 100), qRgb(0, 255, 0));
    EXPECT_EQ(picture->decode_count(), 3);
}

TEST_F(PictureDisplay, DrawsNothingWhenTheReleasedPicturesFileChangedOrWent) {
    struct Case {
        const char *what;
        std::function<void(const QString &)> change;
    };
    const Case cases[] = {
        {"rewritten",
         [](const QString &p) {
             test::write_file(p, bmp_bytes({600, 400}, Qt::yellow));
         }},
        {"removed", [](const QString &p) { QFile::remove(p); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Panel panel;
        const QString path = write(QString("%1.bmp").arg(c.what), quarters_bmp());
        panel.picture->Picture()->load_file(path);
        panel.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
        panel.hide();
        c.change(path);
        panel.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
        EXPECT_EQ(panel.grab_rgb().pixel(100, 60), kPanel.rgb());
        EXPECT_FALSE(panel.picture->Picture()->empty());
    }
}

TEST_F(PictureDisplay, LetsMousePressesThroughToThePanel) {
    panel_.picture->Picture()->load_file(write("a.bmp", bmp_bytes({300, 200}, Qt::red)));
    panel_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel_));
    QTest::mousePress(panel_.picture, Qt::LeftButton, {}, QPoint(150, 100));
    QTest::mouseRelease(panel_.picture, Qt::LeftButton, {}, QPoint(150, 100));
    EXPECT_EQ(panel_.presses, 1);
    EXPECT_EQ(panel_.releases, 1);
}

} // namespace
} // namespace trovel

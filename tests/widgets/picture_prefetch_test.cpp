// Decoding a picture ahead of time: the load takes the prefetched picture only while the
// file is unchanged, a failed prefetch changes nothing, and a display can go away at any
// moment of a prefetch.
#include "picture_samples.h"
#include "widgets/adv_picture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace trovel {
namespace {

using test::bmp_bytes;
using test::jpeg_bytes;

class PicturePrefetch : public testing::Test {
protected:
    PicturePrefetch() {
        picture().OnChange = [this] { ++notices; };
    }

    QString write(const QString &name, const QByteArray &bytes) {
        const QString path = dir_.filePath(name);
        test::write_file(path, bytes);
        return path;
    }
    static void set_mtime(const QString &path, time_t seconds) {
        const timespec times[2] = {{seconds, 0}, {seconds, 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
    }
    // Waits until the worker has read the file (it counts a decode once the bytes are in).
    void wait_for_prefetch_read(int decodes) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return picture().decode_count() >= decodes; }, 5000));
    }
    TIPicture &picture() { return *display_.Picture(); }
    QRgb first_pixel() { return picture().image().pixel(0, 0); }

    QTemporaryDir dir_;
    TAdvPicture display_;
    int notices = 0;
};

TEST_F(PicturePrefetch, ALoadTakesThePrefetchedPictureOnceAndThenDecodesAgain) {
    const QString path = write("a.jpg", jpeg_bytes({640, 480}, Qt::red));
    picture().prefetch(path);
    EXPECT_TRUE(picture().empty()) << "a prefetch shows nothing by itself";
    EXPECT_EQ(notices, 0);
    // Loaded at once, before the worker is done: the load waits for it instead of decoding.
    picture().load_file(path);
    EXPECT_FALSE(picture().empty());
    EXPECT_EQ(picture().natural_size(), QSize(640, 480));
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(picture().decode_count(), 1);
    EXPECT_EQ(picture().prefetch_requests(), 1);

    // The prefetched picture was used up.
    picture().load_file(path);
    EXPECT_EQ(picture().decode_count(), 2);
    EXPECT_EQ(notices, 2);
}

TEST_F(PicturePrefetch, AChangedFileIsDecodedAfresh) {
    struct Case {
        const char *name;
        std::function<void(TIPicture &, const QString &)> change;
        QSize shown_size; // 0x0: the load fails
        QColor shown_colour;
        int decodes;
    };
    const std::vector<Case> cases = {
        {"unchanged", [](TIPicture &, const QString &) {}, {40, 30}, Qt::red, 1},
        {"other size",
         [](TIPicture &, const QString &path) {
             test::write_file(path, bmp_bytes({50, 30}, Qt::blue));
         },
         {50, 30},
         Qt::blue,
         2},
        {"same size, other time",
         [](TIPicture &, const QString &path) {
             test::write_file(path, bmp_bytes({40, 30}, Qt::blue));
             set_mtime(path, 1000000000);
         },
         {40, 30},
         Qt::blue,
         2},
        {"replaced by a file of the same size and time",
         [](TIPicture &, const QString &path) {
             const QString other = path + ".new";
             test::write_file(other, bmp_bytes({40, 30}, Qt::blue));
             set_mtime(other, 1500000000);
             ASSERT_EQ(std::rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()), 0);
         },
         {40, 30},
         Qt::blue,
         2},
        {"removed", [](TIPicture &, const QString &path) { QFile::remove(path); }, {0, 0}, {}, 1},
        {"screen size changed",
         [](TIPicture &picture, const QString &) {
             picture.set_screen_size({20, 20});
         },
         {40, 30},
         Qt::red,
         2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TAdvPicture display;
        TIPicture &picture = *display.Picture();
        const QString path = write("p.bmp", bmp_bytes({40, 30}, Qt::red));
        set_mtime(path, 1500000000);
        picture.prefetch(path);
        ASSERT_TRUE(QTest::qWaitFor([&] { return picture.decode_count() >= 1; }, 5000));
        c.change(picture, path);
        picture.load_file(path);
        EXPECT_EQ(picture.decode_count(), c.decodes);
        if (c.shown_size.isEmpty()) {
            EXPECT_TRUE(picture.empty());
            continue;
        }
        ASSERT_FALSE(picture.empty());
        EXPECT_EQ(picture.natural_size(), c.shown_size);
        EXPECT_EQ(picture.image().pixel(0, 0), c.shown_colour.rgb());
    }
}

TEST_F(PicturePrefetch, AFailedPrefetchChangesNothing) {
    const QString good = write("good.bmp", bmp_bytes({40, 30}, Qt::green));
    const std::vector<std::pair<const char *, QString>> failures = {
        {"missing", dir_.filePath("missing.jpg")},
        {"text", write("text.jpg", "not a picture at all\n")},
        {"directory", dir_.path()},
        {"declares too many pixels", write("wide.jpg", test::jpeg_declaring({kMaxPictureSide + 1, 10}))},
    };
    for (const auto &[name, path] : failures) {
        SCOPED_TRACE(name);
        picture().load_file(good);
        notices = 0;
        picture().prefetch(path);
        picture().prefetch(path); // and a second time, while the first may still run
        // The picture shown meanwhile stays.
        ASSERT_FALSE(picture().empty());
        EXPECT_EQ(first_pixel(), QColor(Qt::green).rgb());
        // The load fails as it always did: silently, with no notice.
        picture().load_file(path);
        EXPECT_TRUE(picture().empty());
        EXPECT_EQ(notices, 0);
    }
    // A file that appears after a failed prefetch is read when shown.
    const QString late = dir_.filePath("late.bmp");
    picture().prefetch(late);
    wait_for_prefetch_read(picture().decode_count());
    test::write_file(late, bmp_bytes({20, 10}, Qt::blue));
    picture().load_file(late);
    EXPECT_EQ(picture().natural_size(), QSize(20, 10));
    EXPECT_EQ(notices, 1);
}

TEST_F(PicturePrefetch, ANewerPrefetchReplacesTheOlderAndALoadOfAnotherFileDropsIt) {
    const QString a = write("a.bmp", bmp_bytes({10, 10}, Qt::red));
    const QString b = write("b.bmp", bmp_bytes({20, 20}, Qt::blue));
    picture().prefetch(a);
    wait_for_prefetch_read(1);
    picture().prefetch(b);
    picture().load_file(b);
    EXPECT_EQ(picture().decode_count(), 2) << "b came from its prefetch";
    EXPECT_EQ(picture().natural_size(), QSize(20, 20));
    picture().load_file(a);
    EXPECT_EQ(picture().decode_count(), 3) << "a's picture was dropped when b's prefetch started";

    picture().prefetch(a);
    wait_for_prefetch_read(4);
    picture().load_file(b); // not the one prefetched: decoded here, and a's is dropped
    EXPECT_EQ(picture().natural_size(), QSize(20, 20));
    picture().load_file(a);
    EXPECT_EQ(picture().decode_count(), 6);
    EXPECT_EQ(picture().natural_size(), QSize(10, 10));
}

TEST_F(PicturePrefetch, HidingTheDisplayDropsAPrefetchThatWasNotUsed) {
    // A rest that showed the clock leaves its picture read ahead unused; the end of the
    // rest (the display hidden) lets it go, whether decoded already or still being decoded.
    const QString small = write("small.bmp", bmp_bytes({10, 10}, Qt::red));
    const QString big = write("big.jpg", jpeg_bytes({3000, 2000}, Qt::yellow));
    for (const QString &path : {small, big}) {
        SCOPED_TRACE(path.toStdString());
        display_.show();
        const int before = picture().decode_count();
        picture().prefetch(path);
        wait_for_prefetch_read(before + 1);
        if (path == small) QTest::qWait(100); // done decoding by now
        display_.hide();
        picture().load_file(path);
        EXPECT_EQ(picture().decode_count(), before + 2) << "decoded again, not taken from the prefetch";
        EXPECT_FALSE(picture().empty());
    }
}

TEST_F(PicturePrefetch, ADisplayCanGoAwayAtAnyMomentOfAPrefetch) {
    const QString big = write("big.jpg", jpeg_bytes({3000, 2000}, Qt::yellow));
    const QString small = write("small.bmp", bmp_bytes({10, 10}, Qt::red));
    // Gone with a decode under way, with one queued behind it, just after one finished,
    // and with a worker that has nothing to do.
    for (int wait_ms : {0, 1, 5, 20, 100}) {
        SCOPED_TRACE(wait_ms);
        QElapsedTimer timer;
        timer.start();
        {
            TAdvPicture display;
            display.Picture()->prefetch(big);
            display.Picture()->prefetch(small);
            display.Picture()->prefetch(big);
            QTest::qWait(wait_ms);
        }
        EXPECT_LT(timer.elapsed(), 5000);
    }
    {
        TAdvPicture display;
        display.Picture()->prefetch(small);
        display.Picture()->load_file(small);
        EXPECT_FALSE(display.Picture()->empty());
    }
}

} // namespace
} // namespace trovel

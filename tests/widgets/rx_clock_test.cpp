// The clock as painted, on a 1024-pixel screen with square pixels (the process-wide screen
// is fixed by the first clock, so every clock in this binary uses that one).
#include "widgets/rx_clock.h"

#include "pixels.h"
#include "support/fake_environment.h"
#include "widgets/clock_painter.h"

#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace trovel {
namespace {

using test::grab_image;
using test::pixel_at;

constexpr TColor face = 0xC0C0C0; // button face
constexpr TColor inverted_face = 0x3F3F3F;

class RxClockTest : public testing::Test {
protected:
    test::FakeEnvironment env;
};

TEST_F(RxClockTest, WorkedExampleFaceRectangle) {
    TRxClock clock(env);
    clock.resize(400, 300);
    EXPECT_EQ(clock.face(), (PixelRect{53, 3, 347, 297}));
    EXPECT_EQ(TRxClock::screen().hres, 1024);
}

TEST_F(RxClockTest, HourMarkIsRaisedWithTheBrightEdgeOfTeal) {
    env.time = QTime(10, 0, 15);
    TRxClock clock(env);
    clock.resize(400, 300);
    const QImage img = grab_image(clock);
    // The 12 o'clock mark covers (197, 4)-(203, 10).
    struct Pixel {
        int x, y;
        TColor color;
    } pixels[] = {
        {197, 4, clAqua},  {202, 4, clAqua},   {197, 9, clAqua},   // light top row and left column
        {203, 4, clBlack}, {203, 10, clBlack}, {197, 10, clBlack}, // window frame right and bottom
        {200, 7, clTeal},  {198, 5, clTeal},                       // the fill
        {196, 7, face},    {204, 7, face},                         // just outside
    };
    for (const Pixel &p : pixels)
        EXPECT_EQ(pixel_at(img, p.x, p.y), p.color) << p.x << "," << p.y;
}

TEST_F(RxClockTest, MinuteMarksAreEngravedAndBevelsFrameTheControl) {
    TRxClock clock(env);
    clock.resize(400, 300);
    const QImage img = grab_image(clock);
    // Minute position 1 lies at (215, 7): shadow up and left, highlight down and right.
    EXPECT_EQ(pixel_at(img, 214, 6), 0x808080u);
    EXPECT_EQ(pixel_at(img, 215, 6), 0x808080u);
    EXPECT_EQ(pixel_at(img, 214, 7), 0x808080u);
    EXPECT_EQ(pixel_at(img, 215, 7), face);
    EXPECT_EQ(pixel_at(img, 216, 7), clWhite);
    EXPECT_EQ(pixel_at(img, 216, 8), clWhite);
    EXPECT_EQ(pixel_at(img, 215, 8), clWhite);
    EXPECT_EQ(pixel_at(img, 213, 6), face);
    // Raised outer ring, lowered inner ring.
    EXPECT_EQ(pixel_at(img, 0, 0), clWhite);
    EXPECT_EQ(pixel_at(img, 399, 0), 0x808080u);
    EXPECT_EQ(pixel_at(img, 0, 299), 0x808080u);
    EXPECT_EQ(pixel_at(img, 1, 1), 0x808080u);
    EXPECT_EQ(pixel_at(img, 398, 298), clWhite);
    EXPECT_EQ(pixel_at(img, 2, 2), face);
}

TEST_F(RxClockTest, SecondHandInvertsTheFace) {
    env.time = QTime(22, 0, 15);
    TRxClock clock(env);
    clock.resize(400, 300);
    QImage img = grab_image(clock);
    // From (200, 150) to (315, 150), the end point left alone.
    EXPECT_EQ(pixel_at(img, 250, 150), inverted_face);
    EXPECT_EQ(pixel_at(img, 314, 150), inverted_face);
    EXPECT_EQ(pixel_at(img, 315, 150), face);

    clock.setShowSeconds(false);
    img = grab_image(clock);
    EXPECT_EQ(pixel_at(img, 250, 150), face);
}

TEST_F(RxClockTest, HandsAreDrawnInInk) {
    env.time = QTime(3, 0, 0);
    TRxClock clock(env);
    clock.resize(400, 300);
    clock.setShowSeconds(false);
    const QImage img = grab_image(clock);
    // Hour hand at 3: (200, 159) -> (286, 150) starts at its first point.
    EXPECT_EQ(pixel_at(img, 200, 159), clBlack);
    EXPECT_EQ(pixel_at(img, 207, 150), clBlack); // minute hand's side point
    EXPECT_EQ(pixel_at(img, 200, 100), face);    // nothing on the axis between the minute sides
}

TEST_F(RxClockTest, PictureAfterATickEqualsAFullPaintAtTheNewTime) {
    env.time = QTime(10, 0, 0);
    TRxClock ticking(env);
    ticking.resize(400, 300);
    ticking.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ticking));
    for (QTime t : {QTime(10, 0, 0), QTime(10, 0, 1), QTime(10, 1, 7), QTime(14, 11, 59), QTime(14, 12, 0)}) {
        SCOPED_TRACE(t.toString().toStdString());
        env.time = t;
        ticking.tick();
        EXPECT_EQ(ticking.shown_time(), clock_time(t));
        TRxClock fresh(env);
        fresh.resize(400, 300);
        EXPECT_EQ(grab_image(ticking), grab_image(fresh));
    }
}

class CountingClock : public TRxClock {
public:
    using TRxClock::TRxClock;
    int paints = 0;
    QRegion painted;

protected:
    void paintEvent(QPaintEvent *e) override {
        ++paints;
        painted += e->region();
        TRxClock::paintEvent(e);
    }
};

// A seconds step repaints strips along the old and the new second hand: at most one strip
// per 16 pixels of the hand's length (and one more), each at most 16 + 3 pixels a side.
int second_step_bound(int radius) {
    const int hand = radius * 80 / 100;
    return 2 * (hand / 16 + 1) * 19 * 19;
}

int area(const std::vector<PixelRect> &rects) {
    int sum = 0;
    for (const PixelRect &r : rects)
        sum += r.width() * r.height();
    return sum;
}

TEST_F(RxClockTest, TicksRepaintOnlyWhenThePictureChanges) {
    env.time = QTime(9, 30, 0);
    CountingClock clock(env);
    clock.resize(200, 150);
    clock.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&clock));
    struct Step {
        QTime time;
        bool show_seconds;
        bool repaint;
    } steps[] = {
        {QTime(9, 30, 0, 400), true, false},                                  // same second
        {QTime(9, 30, 1), true, true},       {QTime(9, 30, 2), false, false}, // seconds not shown
        {QTime(9, 31, 2), false, true},                                       // minute moved
        {QTime(21, 31, 2), false, false},                                     // the afternoon draws the same hands
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.time.toString("hh:mm:ss.zzz").toStdString());
        clock.setShowSeconds(s.show_seconds);
        QTest::qWait(10);
        clock.paints = 0;
        env.time = s.time;
        clock.tick();
        QTest::qWait(30);
        EXPECT_EQ(clock.paints > 0, s.repaint);
    }
}

TEST_F(RxClockTest, ASecondsTickRepaintsOnlyAroundTheSecondHand) {
    // The clock of a full-screen rest on a 1024 x 768 screen.
    env.time = QTime(10, 8, 7);
    CountingClock clock(env);
    clock.resize(964, 650);
    clock.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&clock));
    QTest::qWait(30);
    clock.painted = QRegion();
    env.time = QTime(10, 8, 8);
    clock.tick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !clock.painted.isEmpty(); }, 1000));
    const FaceGeometry g = face_geometry(clock.face(), TRxClock::screen().hres, TRxClock::screen().densities);
    int painted = 0;
    for (const QRect &r : clock.painted)
        painted += r.width() * r.height();
    EXPECT_LE(painted, second_step_bound(g.radius));
    EXPECT_EQ(grab_image(clock), [&] {
        TRxClock fresh(env);
        fresh.resize(964, 650);
        return grab_image(fresh);
    }());
}

TEST_F(RxClockTest, TicksOnlyWhileVisibleAndCatchesUpWhenShown) {
    env.time = QTime(8, 0, 0);
    TRxClock clock(env);
    clock.resize(200, 150);
    EXPECT_FALSE(clock.ticking());
    clock.show();
    EXPECT_TRUE(clock.ticking());
    clock.hide();
    EXPECT_FALSE(clock.ticking());
    env.time = QTime(8, 7, 33);
    clock.show();
    EXPECT_TRUE(clock.ticking());
    EXPECT_EQ(clock.shown_time(), (ClockTime{8, 7, 33}));
}

TEST_F(RxClockTest, TheTimerFollowsTheWallClock) {
    env.time = QTime(8, 0, 0);
    TRxClock clock(env);
    clock.show();
    env.time = QTime(8, 0, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return clock.shown_time().second == 1; }, 2000));
}

TEST(ClockPainter, MovingTheHandsGivesTheFullPaintAndTouchesLittleOnASecondsStep) {
    const ClockScreen screen = make_clock_screen({1024, 768}, {});
    struct Step {
        ClockTime from, to;
        bool show_seconds;
        bool changes;
    };
    std::vector<Step> steps = {
        {{10, 11, 59}, {10, 12, 0}, true, true}, // minute and hour hands move
        {{3, 0, 0}, {9, 45, 30}, true, true},    // a jump
        {{3, 0, 0}, {3, 0, 0}, true, false},     // the same time
        {{3, 0, 5}, {3, 0, 6}, false, false},    // seconds not shown
        {{3, 14, 5}, {3, 15, 6}, false, true},   // only the kites move
        {{11, 59, 59}, {0, 0, 0}, true, true},   // round the dial
    };
    for (int s = 0; s < 60; ++s) // every second of a minute
        steps.push_back({{7, 23, s}, {7, 23, (s + 1) % 60}, true, true});
    // The full-screen rest on a 1024 x 768 screen, and a small face.
    for (const QSize size : {QSize(964, 650), QSize(120, 90)}) {
        for (const Step &step : steps) {
            SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height() << " " << step.from.hour << ":"
                                            << step.from.minute << ":" << step.from.second << " -> " << step.to.hour
                                            << ":" << step.to.minute << ":" << step.to.second);
            ClockLook look;
            look.show_seconds = step.show_seconds;
            const PixelRect f = clock_face_rect(size, screen);
            QImage face_image(size, QImage::Format_RGB32), image(size, QImage::Format_RGB32),
                expected(size, QImage::Format_RGB32);
            const FaceGeometry g = paint_clock_face(face_image, screen, look, f);
            paint_clock(image, screen, look, f, step.from);
            paint_clock(expected, screen, look, f, step.to);
            const std::vector<PixelRect> changed =
                move_clock_hands(image, face_image, screen, look, g, step.from, step.to);
            EXPECT_EQ(image, expected);
            EXPECT_EQ(area(changed) > 0, step.changes);
            if (step.from.minute == step.to.minute && step.from.hour == step.to.hour) {
                EXPECT_LE(area(changed), second_step_bound(g.radius));
            }
        }
    }
}

TEST(ClockPainter, SmallFacesShowOnlyPlainHourMarks) {
    // On a 1920-pixel screen a 236 x 236 control has a 230-pixel face: marks 2 wide.
    const ClockScreen screen = make_clock_screen({1920, 1080}, {});
    QImage img(236, 236, QImage::Format_RGB32);
    ClockLook look;
    look.show_seconds = false;
    const PixelRect f = clock_face_rect(img.size(), screen);
    ASSERT_EQ(f.width(), 230);
    const FaceGeometry g = paint_clock(img, screen, look, f, {4, 20, 0});
    ASSERT_FALSE(g.fine_marks);
    const PixelRect mark = hour_mark_rect(g, rim_point(screen.rim, g, 0));
    EXPECT_EQ(test::to_tcolor(img.pixel(mark.left, mark.top)), clBlack);
    EXPECT_EQ(test::to_tcolor(img.pixel(mark.right - 1, mark.bottom - 1)), clBlack);
    const PixelPoint minute = rim_point(screen.rim, g, 1);
    EXPECT_EQ(test::to_tcolor(img.pixel(minute.x, minute.y)), face);
    EXPECT_EQ(test::to_tcolor(img.pixel(minute.x - 1, minute.y - 1)), face);
}

} // namespace
} // namespace trovel

// The Wayland idle sources against stand-ins for GNOME's idle monitor and the freedesktop
// screen saver on a private session bus (tests/platform/dbus_idle.sh starts them and names
// their control files); without them these cases skip.
#include "platform/dbus_idle_source.h"
#include "platform/idle_time.h"
#include "support/test_files.h"

#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

namespace trovel {
namespace {

using Service = DBusIdleSource::Service;
using test::write_file;

class DBusIdle : public ::testing::Test {
protected:
    void SetUp() override {
        mutter_ = qEnvironmentVariable("TROVEL_MUTTER_CONTROL");
        screensaver_ = qEnvironmentVariable("TROVEL_SCREENSAVER_CONTROL");
        if (mutter_.isEmpty() || screensaver_.isEmpty()) GTEST_SKIP() << "needs the stand-in services of dbus_idle.sh";
        session_type_ = qgetenv("XDG_SESSION_TYPE");
    }
    void TearDown() override {
        if (!mutter_.isEmpty()) qputenv("XDG_SESSION_TYPE", session_type_);
    }
    void answers(const QByteArray &mutter, const QByteArray &screensaver) {
        write_file(mutter_, mutter);
        write_file(screensaver_, screensaver);
    }

    QString mutter_, screensaver_;
    QByteArray session_type_;
};

TEST_F(DBusIdle, AnswersAreTakenOnlyWhenBelievable) {
    struct Case {
        QByteArray control;
        std::optional<int64_t> expected;
    };
    const Case cases[] = {
        {"t 12345", 12345},
        {"t 0", 0},
        {"u 777", 777},
        {"x 5000", 5000},
        {"x -1", std::nullopt},
        {"t 9223372036854775808", std::nullopt}, // 2^63
        {"t 4294967295", std::nullopt},          // -1 through 32 bits
        {"u 4294967295", std::nullopt},
        {"s 100", std::nullopt},
        {"error", std::nullopt},
    };
    for (const Service service : {Service::gnome_idle_monitor, Service::freedesktop_screen_saver}) {
        DBusIdleSource source(service);
        for (const Case &c : cases) {
            SCOPED_TRACE(c.control.toStdString() + (service == Service::gnome_idle_monitor ? " (Mutter)" : " (KDE)"));
            answers(c.control, c.control);
            EXPECT_EQ(source.idle_ms(), c.expected);
        }
    }
}

TEST_F(DBusIdle, WaylandAsksMutterThenTheScreenSaverNeverX) {
    qputenv("XDG_SESSION_TYPE", "wayland");
    answers("t 1000", "u 2000");
    IdleSourcesFound found;
    const auto wayland = make_desktop_idle_source({}, nullptr, &found);
    EXPECT_TRUE(found.gnome_idle_monitor);
    EXPECT_TRUE(found.freedesktop_screen_saver);
    EXPECT_EQ(wayland->idle_ms(), 1000);
    answers("error", "u 2000");
    EXPECT_EQ(wayland->idle_ms(), 2000);
    answers("x -1", "u 2000");
    EXPECT_EQ(wayland->idle_ms(), 2000);
    answers("error", "error");
    EXPECT_EQ(wayland->idle_ms(), std::nullopt);

    // A service that does not answer at the start is not asked later; with none, the
    // desktop tells nothing (and the X server is not asked).
    answers("error", "u 2000");
    const auto screen_saver_only = make_desktop_idle_source({}, nullptr, &found);
    EXPECT_FALSE(found.gnome_idle_monitor);
    answers("t 1000", "u 3000");
    EXPECT_EQ(screen_saver_only->idle_ms(), 3000);
    answers("error", "error");
    EXPECT_TRUE(make_desktop_idle_source()->empty());

    // An X11 session asks the X server only.
    qputenv("XDG_SESSION_TYPE", "x11");
    answers("t 1000", "u 2000");
    EXPECT_EQ(make_desktop_idle_source()->idle_ms(), std::nullopt);
}

TEST_F(DBusIdle, AStuckServiceIsPassedOverUntilItsAnswersMakeSense) {
    // A monitor that answers 10 minutes at every tick would hold the countdown for good.
    qputenv("XDG_SESSION_TYPE", "wayland");
    int64_t now = 1000000;
    answers("t 600000", "u 2000");
    const auto chain = make_desktop_idle_source([&now] { return now; });
    EXPECT_EQ(chain->idle_ms(), 600000);
    for (int tick = 0; tick < 3; ++tick) {
        now += 10000;
        EXPECT_EQ(chain->idle_ms(), 2000) << "tick " << tick; // the screen saver's answer
    }
    now += 10000;
    answers("t 1500", "u 2000");
    EXPECT_EQ(chain->idle_ms(), 1500);
    now += 10000;
    answers("t 11500", "u 2000");
    EXPECT_EQ(chain->idle_ms(), 11500);
}

TEST_F(DBusIdle, AHungServiceCostsOneTimeoutNotOneEveryTick) {
    DBusIdleSource source(Service::gnome_idle_monitor);
    answers("sleep 0.4", "u 2000");
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(source.idle_ms(), std::nullopt);
    const qint64 first = clock.elapsed();
    EXPECT_GE(first, DBusIdleSource::kDefaultTimeoutMs - 5);
    EXPECT_LT(first, 300);
    answers("t 5", "u 2000");
    clock.restart();
    for (int i = 0; i < DBusIdleSource::kQueriesSkippedAfterTimeout; ++i)
        EXPECT_EQ(source.idle_ms(), std::nullopt);
    EXPECT_LT(clock.elapsed(), 50); // not asked at all
    QThread::msleep(600);           // the stand-in is done sleeping
    EXPECT_EQ(source.idle_ms(), 5);

    // In the chain the next source answers at once after the timeout.
    qputenv("XDG_SESSION_TYPE", "wayland");
    const auto chain = make_desktop_idle_source();
    answers("sleep 0.4", "u 2000");
    clock.restart();
    EXPECT_EQ(chain->idle_ms(), 2000);
    EXPECT_LT(clock.elapsed(), 300);
    QThread::msleep(600);
}

} // namespace
} // namespace trovel

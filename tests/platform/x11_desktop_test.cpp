// The X11 sources on a real X server: idle time from the screen saver extension, and the
// active window's full-screen state with stand-in programs. These run only on the xcb
// platform (tests/platform/x11_desktop.sh starts Xvfb and icewm for them); on the
// offscreen platform of the ordinary unit run they check that nothing is claimed.
#include "platform/x11_full_screen.h"
#include "platform/x11_idle_source.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <QWidget>
#include <gtest/gtest.h>

namespace trovel {
namespace {

bool on_x11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

// Another program's window, made by tests/e2e/fullscreen_window.py; closed at the end.
class StandInWindow {
public:
    explicit StandInWindow(const QStringList &args) {
        process_.start("/usr/bin/python3", QStringList{TROVEL_SOURCE_DIR "/tests/e2e/fullscreen_window.py"} + args);
        mapped_ = process_.waitForReadyRead(10000);
        if (mapped_) id_ = process_.readLine().trimmed().toUInt();
    }
    ~StandInWindow() {
        process_.terminate();
        if (!process_.waitForFinished(5000)) process_.kill();
        process_.waitForFinished(5000);
    }
    bool mapped() const { return mapped_; }
    uint32_t id() const { return id_; }

private:
    QProcess process_;
    bool mapped_ = false;
    uint32_t id_ = 0;
};

// The window the root's _NET_ACTIVE_WINDOW names, as xprop reads it; 0 for none.
uint32_t active_window() {
    QProcess p;
    p.start("xprop", {"-root", "-notype", "_NET_ACTIVE_WINDOW"});
    if (!p.waitForFinished(10000)) return 0;
    const QByteArray out = p.readAllStandardOutput();
    const qsizetype at = out.indexOf("0x");
    return at < 0 ? 0 : out.mid(at + 2).trimmed().toUInt(nullptr, 16);
}

void run(const QString &program, const QStringList &args) {
    QProcess p;
    p.start(program, args);
    ASSERT_TRUE(p.waitForFinished(10000)) << program.toStdString();
}

TEST(X11Desktop, NothingIsClaimedWithoutAnXServer) {
    if (on_x11()) GTEST_SKIP() << "an X server is there";
    EXPECT_FALSE(X11IdleSource().idle_ms());
    X11IdleSource idle;
    idle.idle_ms();
    idle.watch_for_return();
    EXPECT_FALSE(idle.quiet_since_last_answer());
    EXPECT_FALSE(X11FullScreenProbe().other_program_full_screen());
}

TEST(X11Desktop, IdleTimeComesFromTheScreenSaverExtension) {
    if (!on_x11()) GTEST_SKIP() << "needs the xcb platform";
    X11IdleSource idle;
    run("xdotool", {"mousemove", "10", "10"});
    run("xdotool", {"mousemove", "20", "20"});
    const auto fresh = idle.idle_ms();
    ASSERT_TRUE(fresh);
    EXPECT_LT(*fresh, 1000);
    QThread::msleep(1500);
    const auto later = idle.idle_ms();
    ASSERT_TRUE(later);
    EXPECT_GE(*later, 1400);
    EXPECT_LT(*later, 10000);
}

TEST(X11Desktop, TheXServerTellsWhenTheUserIsBack) {
    if (!on_x11()) GTEST_SKIP() << "needs the xcb platform";
    X11IdleSource idle;
    EXPECT_FALSE(idle.quiet_since_last_answer()); // nothing watched before a watch
    // Twice: the alarm that fired is set going again by the next watch.
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        QThread::msleep(1200);
        ASSERT_TRUE(idle.idle_ms());
        idle.watch_for_return();
        // No input: the watch holds while Qt's event loop runs.
        QTest::qWait(700);
        ASSERT_TRUE(idle.quiet_since_last_answer());
        run("xdotool", {"mousemove", QString::number(30 + round), "30"});
        ASSERT_TRUE(QTest::qWaitFor([&] { return !idle.quiet_since_last_answer(); }, 5000));
    }
    // Asking again ends a watch.
    QThread::msleep(1200);
    ASSERT_TRUE(idle.idle_ms());
    idle.watch_for_return();
    ASSERT_TRUE(idle.quiet_since_last_answer());
    ASSERT_TRUE(idle.idle_ms());
    EXPECT_FALSE(idle.quiet_since_last_answer());
}

TEST(X11Desktop, AWaylandSessionNeverAsksTheXServer) {
    if (!on_x11()) GTEST_SKIP() << "needs the xcb platform";
    // The X server of a Wayland session is XWayland, which sees only X programs' input:
    // with no compositor service (there is no session bus) the desktop tells nothing.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    run("xdotool", {"mousemove", "30", "30"});
    ASSERT_TRUE(X11IdleSource().idle_ms());
    qputenv("XDG_SESSION_TYPE", "wayland");
    const auto wayland = make_desktop_idle_source();
    EXPECT_TRUE(wayland->empty());
    EXPECT_EQ(wayland->idle_ms(), std::nullopt);
    qputenv("XDG_SESSION_TYPE", "x11");
    EXPECT_TRUE(make_desktop_idle_source()->idle_ms());
}

TEST(X11Desktop, FullScreenMeansAnotherProgramsActiveWindow) {
    if (!on_x11()) GTEST_SKIP() << "needs the xcb platform";
    X11FullScreenProbe probe;
    EXPECT_FALSE(probe.other_program_full_screen());
    struct Case {
        const char *what;
        QStringList args;
        bool full_screen;
    };
    const Case cases[] = {
        {"_NET_WM_STATE_FULLSCREEN", {}, true},
        {"undecorated and as large as the screen", {"--cover"}, true},
        {"an ordinary window", {"--windowed"}, false},
        {"the desktop's own window", {"--desktop"}, false},
        // Only what a window is counts, not what it claims.
        {"300x200, its state claiming full screen", {"--false-claim", "small"}, false},
        {"named active and never mapped", {"--false-claim", "unmapped"}, false},
        {"named active, 1x1 and override-redirect", {"--false-claim", "tiny"}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        {
            StandInWindow window(c.args);
            ASSERT_TRUE(window.mapped());
            // The window manager makes it active a moment after it is mapped.
            EXPECT_EQ(QTest::qWaitFor([&] { return probe.other_program_full_screen(); }, c.full_screen ? 5000 : 700),
                      c.full_screen);
            if (c.args.startsWith("--false-claim")) {
                EXPECT_EQ(active_window(), window.id()) << "the claim was not made";
            }
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return !probe.other_program_full_screen(); }, 5000)) << "after closing";
    }
}

TEST(X11Desktop, OurOwnFullScreenWindowNeverCounts) {
    if (!on_x11()) GTEST_SKIP() << "needs the xcb platform";
    StandInWindow other({});
    ASSERT_TRUE(other.mapped());
    X11FullScreenProbe probe;
    ASSERT_TRUE(QTest::qWaitFor([&] { return probe.other_program_full_screen(); }, 5000));
    QWidget ours;
    ours.showFullScreen();
    ours.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ours, 5000));
    // Ours is in front and full screen, and the probe would count it were it another's.
    X11FullScreenProbe blind(nullptr, [](uint32_t) { return false; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return blind.other_program_full_screen(); }, 5000));
    EXPECT_FALSE(probe.other_program_full_screen());
}

} // namespace
} // namespace trovel

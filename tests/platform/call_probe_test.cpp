// Calls: the camera looked for in a process tree the tests make, the sound server's
// recording streams from a real PulseAudio the tests start on a private session bus
// (skipped where PulseAudio is not installed), and stand-in servers that misbehave.
#include "platform/call_probe.h"
#include "platform/pulse_microphone.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace trovel {
namespace {

using State = PulseMicrophone::State;

TEST(CallCamera, OnlyAnotherProcessOfTheUserWithAVideoDeviceOpenCounts) {
    struct Process {
        QByteArray name;            // folder under proc
        std::vector<QByteArray> fd; // link targets, "" for a folder without fd
    };
    struct Case {
        const char *what;
        std::vector<Process> processes;
        bool other_user = false;
        bool expected;
    };
    const QByteArray video = "DEV/video0", null = "DEV/null";
    const Case cases[] = {
        {"a camera open", {{"100", {null, video}}}, false, true},
        {"a camera with a high number", {{"100", {"DEV/video12"}}}, false, true},
        {"only this process", {{"42", {video}}}, false, false},
        {"no camera", {{"100", {null, "socket:[1234]", "DEV/snd/pcmC0D0c"}}}, false, false},
        {"not the device folder", {{"100", {"/tmp/DEV/video0.txt", "DEV/videos"}}}, false, false},
        {"another user's", {{"100", {video}}}, true, false},
        {"self and threads are no processes", {{"self", {video}}, {"thread-self", {video}}}, false, false},
        {"an unreadable process is passed over", {{"100", {""}}, {"200", {null}}, {"300", {video}}}, false, true},
        {"nothing", {}, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir root;
        ASSERT_TRUE(QDir(root.path()).mkpath("proc") && QDir(root.path()).mkpath("dev"));
        const QByteArray dev = (root.path() + "/dev").toLocal8Bit();
        for (const Process &process : c.processes) {
            const QString proc = root.path() + "/proc/" + process.name;
            ASSERT_TRUE(QDir().mkpath(proc));
            if (process.fd.size() == 1 && process.fd[0].isEmpty()) continue;
            ASSERT_TRUE(QDir().mkpath(proc + "/fd"));
            int fd = 3;
            for (QByteArray target : process.fd) {
                target.replace("DEV", dev);
                const QByteArray link = (proc + "/fd/" + QString::number(fd++)).toLocal8Bit();
                ASSERT_EQ(symlink(target.constData(), link.constData()), 0);
            }
        }
        const CameraSeam seam{(root.path() + "/proc").toLocal8Bit(), dev, 42,
                              c.other_user ? qint64(getuid()) + 1 : qint64(getuid())};
        EXPECT_EQ(camera_in_use(seam), c.expected);
        // Without a sound server the camera alone decides.
        EXPECT_EQ(DesktopCallProbe(seam).call_going_on(), c.expected);
    }
    EXPECT_FALSE(camera_in_use({"/nonexistent/proc", "/dev", -1, -1}));
}

TEST(CallCamera, TheLastHolderIsTriedFirstAndForgottenWhenItLetsGo) {
    QTemporaryDir root;
    const QString proc = root.path() + "/proc";
    const QByteArray video = (root.path() + "/dev/video0").toLocal8Bit();
    const auto hold = [&](const QString &pid, const QByteArray &target) {
        QDir().mkpath(proc + "/" + pid + "/fd");
        QFile::remove(proc + "/" + pid + "/fd/5");
        return symlink(target.constData(), (proc + "/" + pid + "/fd/5").toLocal8Bit().constData()) == 0;
    };
    const CameraSeam seam{proc.toLocal8Bit(), (root.path() + "/dev").toLocal8Bit(), 42, qint64(getuid())};
    QByteArray where;
    ASSERT_TRUE(hold("100", video));
    EXPECT_TRUE(camera_in_use(seam, &where));
    EXPECT_EQ(where, "100/fd/5");
    ASSERT_TRUE(hold("100", "/dev/null") && hold("200", video));
    EXPECT_TRUE(camera_in_use(seam, &where));
    EXPECT_EQ(where, "200/fd/5");
    ASSERT_TRUE(hold("200", "/dev/null"));
    EXPECT_FALSE(camera_in_use(seam, &where));
    EXPECT_EQ(where, "");
}

TEST(CallMicrophone, LevelMetersPausedStreamsAndThisProcessAreNoRecording) {
    struct Case {
        RecordingStream stream;
        bool expected;
    };
    const Case cases[] = {
        {{false, "1234", "org.chromium.Chromium", "speex-float-1"}, true},
        {{false, "", "", ""}, true},
        {{true, "1234", "", ""}, false},
        {{false, "1234", "", "peaks"}, false},
        {{false, "1234", "org.PulseAudio.pavucontrol", ""}, false},
        {{false, "1234", "org.gnome.VolumeControl", ""}, false},
        {{false, "42", "", ""}, false},
        {{false, "42x", "", ""}, true},
        {{false, "420", "", ""}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stream.process_id.toStdString() + " " + c.stream.application_id.toStdString() + " " +
                     c.stream.resample_method.toStdString() + (c.stream.corked ? " corked" : ""));
        EXPECT_EQ(is_a_recording(c.stream, 42), c.expected);
    }
}

bool wait_for_state(const PulseMicrophone &microphone, State state, int ms = 5000) {
    return QTest::qWaitFor([&] { return microphone.state() == state; }, ms);
}

// PulseAudio in this test's runtime folder, with a microphone ("mic") and an output whose
// monitor can be recorded ("out.monitor"), on a private session bus: one for the whole
// process, since libdbus keeps the first address it reads.
class PulseServer : public ::testing::Test {
protected:
    static bool tools() {
        for (const char *tool : {"pulseaudio", "parecord", "pactl", "dbus-daemon"})
            if (QStandardPaths::findExecutable(tool).isEmpty()) return false;
        return true;
    }
    static void SetUpTestSuite() {
        if (!tools()) return;
        bus_ = new QProcess;
        bus_->start("dbus-daemon", {"--session", "--nofork", "--nopidfile", "--print-address=1"});
        if (bus_->waitForReadyRead(5000)) qputenv("DBUS_SESSION_BUS_ADDRESS", bus_->readLine().trimmed());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    }
    static void TearDownTestSuite() {
        if (!bus_) return;
        bus_->kill();
        bus_->waitForFinished(2000);
        delete bus_;
        bus_ = nullptr;
    }
    void SetUp() override {
        if (!tools()) GTEST_SKIP() << "needs pulseaudio, parecord, pactl and dbus-daemon";
        ASSERT_FALSE(qgetenv("DBUS_SESSION_BUS_ADDRESS").isEmpty());
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
        qunsetenv("PULSE_SERVER");
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert("HOME", home_.path());
    }
    void TearDown() override {
        for (QProcess *p : {&recorder_, &monitor_recorder_, &server_}) {
            p->kill();
            p->waitForFinished(2000);
        }
    }
    void start_server() {
        server_.setProcessEnvironment(env_);
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server_.start("pulseaudio",
                      {"-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit", "--use-pid-file=no",
                       "--log-level=error", "--load=module-native-protocol-unix",
                       "--load=module-null-source source_name=mic", "--load=module-null-sink sink_name=out"});
        ASSERT_TRUE(QTest::qWaitFor([this] { return !pactl("info").isEmpty(); }, 10000));
    }
    QByteArray pactl(const QString &what) {
        QProcess p;
        p.setProcessEnvironment(env_);
        p.start("pactl", what.split(' '));
        return p.waitForFinished(5000) && p.exitCode() == 0 ? p.readAllStandardOutput() : QByteArray();
    }
    // No timer runs (a message being handled may hold a zero timer for a moment).
    bool quiet(int ms = 1000) {
        return QTest::qWaitFor([this] { return microphone_.armed_timers() == 0; }, ms);
    }
    void record(QProcess &p, const QString &device) {
        p.setProcessEnvironment(env_);
        p.start("parecord", {"--device=" + device, "/dev/null"});
        ASSERT_TRUE(p.waitForStarted(5000));
    }

    static inline QProcess *bus_ = nullptr;
    QTemporaryDir home_, runtime_;
    QProcessEnvironment env_;
    QProcess server_, recorder_, monitor_recorder_;
    PulseMicrophone microphone_;
};

TEST_F(PulseServer, AMicrophoneRecordedIsACallAndAMonitorIsNot) {
    start_server();
    int changes = 0;
    microphone_.on_change([&changes] { ++changes; });
    microphone_.start();
    ASSERT_TRUE(wait_for_state(microphone_, State::free));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(quiet()) << "connected and idle, nothing of ours or libpulse's is timed";

    record(monitor_recorder_, "out.monitor");
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return !pactl("list short source-outputs").isEmpty() && microphone_.armed_timers() == 0; }));
    QTest::qWait(500);
    EXPECT_EQ(microphone_.state(), State::free) << "recording what an output plays is no call";

    record(recorder_, "mic");
    EXPECT_TRUE(wait_for_state(microphone_, State::recording, 3000));
    recorder_.kill();
    recorder_.waitForFinished();
    EXPECT_TRUE(wait_for_state(microphone_, State::free, 3000));
    EXPECT_EQ(monitor_recorder_.state(), QProcess::Running);
    EXPECT_EQ(microphone_.connection_attempts(), 1);
}

TEST_F(PulseServer, NoServerIsUnknownUntilOneStartsAndAKilledOneIsFoundAgain) {
    microphone_.start();
    QTest::qWait(500);
    EXPECT_EQ(microphone_.state(), State::unknown);
    EXPECT_TRUE(quiet()) << "waiting for a server is no polling";
    start_server();
    ASSERT_TRUE(wait_for_state(microphone_, State::free, 10000)) << "the server's name on the bus was missed";

    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        server_.kill(); // no goodbye, and its socket stays behind
        server_.waitForFinished();
        ASSERT_TRUE(wait_for_state(microphone_, State::unknown));
        // One retry after the short connection, and then a quiet wait for the server's name.
        EXPECT_TRUE(quiet(5000));
        start_server();
        ASSERT_TRUE(wait_for_state(microphone_, State::free, 10000));
        record(recorder_, "mic");
        EXPECT_TRUE(wait_for_state(microphone_, State::recording, 3000));
        recorder_.kill();
        recorder_.waitForFinished();
    }
    EXPECT_EQ(microphone_.connection_attempts(), 3);
}

// Listens where PulseAudio would, writes `answer` to each connection, then closes it or
// holds it open without a word more.
class StandInServer {
public:
    StandInServer(QByteArray answer, bool close) : answer_(std::move(answer)), close_(close) {}
    ~StandInServer() {
        for (int fd : held_)
            ::close(fd);
        if (fd_ >= 0) ::close(fd_);
    }
    bool listen(const QString &path) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = path.toLocal8Bit();
        std::memcpy(address.sun_path, name.constData(), std::min<size_t>(name.size(), sizeof address.sun_path - 1));
        fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 || ::listen(fd_, 8) != 0)
            return false;
        notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
            const int fd = accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd < 0) return;
            ++connections_;
            if (!answer_.isEmpty()) (void)!write(fd, answer_.constData(), answer_.size());
            if (close_)
                ::close(fd);
            else
                held_.push_back(fd);
        });
        return true;
    }
    int connections() const { return connections_; }

private:
    QByteArray answer_;
    bool close_;
    int fd_ = -1;
    int connections_ = 0;
    std::vector<int> held_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

// Servers that are not PulseAudio at the socket where PulseAudio would listen.
TEST(CallMicrophone, AServerThatMisbehavesOrIsMissingIsUnknownWithoutBusyRetries) {
    struct Case {
        const char *what;
        const char *library;
        bool listen;
        QByteArray answer; // written to each connection, which is then closed
        bool close;
        int most_attempts; // in 2.5 s
    };
    const Case cases[] = {
        {"closes at once", nullptr, true, "", true, 2},
        {"answers garbage", nullptr, true, QByteArray(64, '\xff'), true, 2},
        {"never answers", nullptr, true, "", false, 1},
        {"nothing listens and no bus to wait on", nullptr, false, "", false, 1},
        {"no libpulse", "libpulse-missing.so.0", true, "", true, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        // No session bus: nothing to wait on for a server that is not there.
        const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        qunsetenv("PULSE_SERVER");
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        ASSERT_TRUE(QDir(runtime.path()).mkpath("pulse"));
        StandInServer server(c.answer, c.close);
        if (c.listen) {
            ASSERT_TRUE(server.listen(runtime.path() + "/pulse/native"));
        }
        PulseMicrophone microphone(c.library);
        QElapsedTimer clock;
        clock.start();
        microphone.start();
        EXPECT_LT(clock.elapsed(), 200) << "the connection is made in the background";
        QTest::qWait(2500);
        EXPECT_EQ(microphone.state(), State::unknown);
        EXPECT_LE(microphone.connection_attempts(), c.most_attempts);
        if (c.listen) {
            EXPECT_EQ(server.connections(), microphone.connection_attempts());
        }
        if (!bus.isEmpty()) qputenv("DBUS_SESSION_BUS_ADDRESS", bus);
    }
}

} // namespace
} // namespace trovel

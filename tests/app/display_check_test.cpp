// The platform choice and the display check before Qt starts: which platforms it asks
// about, and the line it gives for each display that is not a working X server.
#include "app/display_check.h"

#include <QString>
#include <QtGlobal>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <gtest/gtest.h>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace trovel::test {
namespace {

const QString kHint = QStringLiteral("; on a Wayland desktop XWayland must be running");

// A display number of this machine on which no server listens.
int free_display() {
    for (int n = 149;; ++n) {
        if (::access(QStringLiteral("/tmp/.X11-unix/X%1").arg(n).toLatin1().constData(), F_OK) != 0 &&
            display_problem("xcb", QStringLiteral(":%1").arg(n).toLatin1()))
            return n;
    }
}

TEST(DisplayCheck, UnreachableDisplaysGiveOneClearLine) {
    const QByteArray none = QStringLiteral(":%1").arg(free_display()).toLatin1();
    const QString unset = QStringLiteral("trovel: cannot connect to an X display: DISPLAY is not set") + kHint;
    struct Case {
        const char *platform;
        const char *display;
        std::optional<QString> line;
    };
    const Case cases[] = {
        {"", nullptr, unset},
        {"", "", unset},
        {"xcb", nullptr, unset},
        {"xcb:nograb", none.constData(),
         QStringLiteral("trovel: cannot connect to the X display '%1'").arg(QString::fromLatin1(none)) + kHint},
        {"", "garbage", QStringLiteral("trovel: cannot connect to the X display 'garbage'") + kHint},
        {"", "unix:", QStringLiteral("trovel: cannot connect to the X display 'unix:'") + kHint},
        // Another platform needs no X display.
        {"offscreen", nullptr, std::nullopt},
        {"wayland", nullptr, std::nullopt},
        {"wayland;xcb", nullptr, std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.platform) + " " + (c.display ? c.display : "(unset)"));
        EXPECT_EQ(display_problem(QString::fromLatin1(c.platform), c.display), c.line);
    }
}

// A stand-in server on display `number` of this machine (libxcb's abstract socket) that
// answers every connection with `reply` (nothing: it closes at once; null: it says
// nothing and waits) until it is destroyed.
class FakeServer {
public:
    FakeServer(int number, std::optional<QByteArray> reply) : reply_(std::move(reply)) {
        listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const int n = std::snprintf(address.sun_path + 1, sizeof address.sun_path - 1, "/tmp/.X11-unix/X%d", number);
        bound_ = ::bind(listener_, reinterpret_cast<const sockaddr *>(&address),
                        socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(n))) == 0 &&
                 ::listen(listener_, 4) == 0;
        thread_ = std::thread([this] { serve(); });
    }
    ~FakeServer() {
        stop_ = true;
        thread_.join();
        for (int fd : open_)
            ::close(fd);
        ::close(listener_);
    }
    bool bound() const { return bound_; }

private:
    void serve() {
        while (!stop_) {
            pollfd p{listener_, POLLIN, 0};
            if (::poll(&p, 1, 20) != 1) continue;
            const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd < 0) continue;
            if (!reply_) {
                open_.push_back(fd); // silent: held open until the end
                continue;
            }
            char request[64];
            [[maybe_unused]] const ssize_t got = ::read(fd, request, sizeof request);
            [[maybe_unused]] const ssize_t sent = ::write(fd, reply_->constData(), size_t(reply_->size()));
            ::close(fd);
        }
    }

    std::optional<QByteArray> reply_;
    int listener_ = -1;
    bool bound_ = false;
    std::atomic<bool> stop_{false};
    std::vector<int> open_;
    std::thread thread_;
};

// An X server's refusal of a connection set-up: status 0 (failed) or 2 (authenticate), the
// reason, padded to four bytes.
QByteArray refusal(uint8_t status, const QByteArray &reason) {
    QByteArray padded = reason;
    while (padded.size() % 4)
        padded.append('\0');
    QByteArray reply;
    reply.append(char(status));
    reply.append(char(status == 0 ? reason.size() : 0));
    const uint16_t words[3] = {11, 0, uint16_t(padded.size() / 4)};
    reply.append(reinterpret_cast<const char *>(words), sizeof words);
    return reply + padded;
}

// Whatever listens is asked for a whole connection set-up: only a working server passes,
// and each other kind gives its one line (with the server's own reason where it gave one),
// nothing else on stderr and no wait beyond the patience.
TEST(DisplayCheck, SocketsThatAreNoWorkingServerGiveOneLine) {
    const int number = free_display();
    const QString display = QStringLiteral(":%1").arg(number);
    const QString cannot = QStringLiteral("trovel: cannot connect to the X display '%1'").arg(display) + kHint;
    struct Case {
        const char *name;
        std::optional<QByteArray> reply;
        QString line;
    };
    const Case cases[] = {
        {"closes at once", QByteArray(), cannot},
        {"garbage", QByteArray("HTTP/1.0 400 Bad Request\r\n\r\n"), cannot},
        {"full", refusal(0, "Maximum number of clients reached"),
         QStringLiteral("trovel: the X display '%1' refused the connection: Maximum number of clients reached")
             .arg(display)},
        {"refuses the authorisation", refusal(2, "No protocol specified\n"),
         QStringLiteral("trovel: the X display '%1' refused the connection: No protocol specified").arg(display)},
        {"says nothing", std::nullopt, QStringLiteral("trovel: the X display '%1' does not answer").arg(display)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        FakeServer server(number, c.reply);
        ASSERT_TRUE(server.bound());
        testing::internal::CaptureStderr();
        const std::optional<QString> line =
            display_problem("xcb", display.toLatin1().constData(), std::chrono::milliseconds(300));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "libxcb's own words reached stderr";
        EXPECT_EQ(line.value_or("(none)").toStdString(), c.line.toStdString());
    }
}

// Trovel runs on X11: a list that names xcb runs on that entry quietly; the headless
// platforms of scripts stay; anything else becomes xcb, with one line when the choice had
// no fall-back to X11.
TEST(PlatformChoice, AnythingButX11BecomesXcb) {
    const QString line = QStringLiteral("trovel: QT_QPA_PLATFORM=%1 is not used: the bar needs X11, so it runs on xcb");
    struct Case {
        QByteArray asked;
        QByteArray value;
        std::optional<QString> line;
    };
    const Case cases[] = {
        {QByteArray(), "xcb", std::nullopt},
        {"", "xcb", std::nullopt},
        {"xcb", "xcb", std::nullopt},
        {"xcb:nograb", "xcb:nograb", std::nullopt},
        {"wayland;xcb", "xcb", std::nullopt},
        {"wayland-egl; xcb:nograb ;eglfs", "xcb:nograb", std::nullopt},
        {"offscreen", "offscreen", std::nullopt},
        {"minimal", "minimal", std::nullopt},
        {"wayland", "xcb", line.arg("wayland")},
        {"wayland;eglfs", "xcb", line.arg("wayland;eglfs")},
        {"wayland;offscreen", "xcb", line.arg("wayland;offscreen")},
        {"cocoa", "xcb", line.arg("cocoa")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.asked.isNull() ? std::string("(unset)") : c.asked.toStdString());
        const PlatformChoice choice = choose_platform(c.asked);
        EXPECT_EQ(choice.value, c.value);
        EXPECT_EQ(choice.line, c.line);
    }
}

// Qt ends the process right after its line about a broken X connection (from its event
// loop or from Xlib): the end of the run comes after that line has been passed on, once,
// and only on the GUI thread, where the form is.
std::vector<std::string> g_seen;
void record_line(QtMsgType, const QMessageLogContext &, const QString &message) {
    g_seen.push_back(message.startsWith(QLatin1String("The X11")) ? "qt" : "other");
}

TEST(DisplayLoss, QtsLineOfABrokenConnectionEndsTheRunOnceOnTheGuiThread) {
    static const char *loop_line = "The X11 connection broke (error 1). Did the X11 server die?";
    static const char *xlib_line = "The X11 connection broke: I/O error (code 1)";
    struct Case {
        const char *name;
        void (*log)();
        std::vector<std::string> seen;
    };
    const Case cases[] = {
        {"the event loop's line, then Xlib's",
         [] {
             qWarning("%s", loop_line);
             qWarning("%s", xlib_line);
         },
         {"qt", "end", "qt"}},
        {"another warning", [] { qWarning("QXcbConnection: XCB error: 3 (BadWindow)"); }, {"other"}},
        {"the words quoted", [] { qWarning("trovel: %s", loop_line); }, {"other"}},
        {"not a warning", [] { qInfo("%s", loop_line); }, {"qt"}},
        {"another thread", [] { std::thread([] { qWarning("%s", loop_line); }).join(); }, {"qt"}},
    };
    const QtMessageHandler before = qInstallMessageHandler(record_line);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        g_seen.clear();
        on_display_lost([] { g_seen.push_back("end"); });
        c.log();
        EXPECT_EQ(g_seen, c.seen);
    }
    on_display_lost({});
    qInstallMessageHandler(before);
}

} // namespace
} // namespace trovel::test

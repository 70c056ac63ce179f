// The display check before Qt starts: which platforms it asks about, the line it gives
// for each display that cannot be reached, and that a local server that listens is taken
// at its word, without a connection set-up of its own.
#include "app/display_check.h"

#include <QString>
#include <cstddef>
#include <cstdio>
#include <future>
#include <gtest/gtest.h>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

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

// A socket that accepts connections but never speaks X: a check that set up a connection
// of its own would wait for its answer; this one must not.
TEST(DisplayCheck, ListeningLocalServerIsTakenWithoutAConnectionSetUp) {
    const int number = free_display();
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(listener, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const int n = std::snprintf(address.sun_path + 1, sizeof address.sun_path - 1, "/tmp/.X11-unix/X%d", number);
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr *>(&address),
                     socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(n))),
              0);
    ASSERT_EQ(::listen(listener, 4), 0);
    const QByteArray display = QStringLiteral(":%1").arg(number).toLatin1();
    std::packaged_task<std::optional<QString>()> check([&] { return display_problem("xcb", display.constData()); });
    std::future<std::optional<QString>> result = check.get_future();
    std::thread worker(std::move(check));
    const bool quick = result.wait_for(std::chrono::seconds(3)) == std::future_status::ready;
    ::close(listener); // ends a connection set-up that waits for an answer
    worker.join();
    EXPECT_TRUE(quick) << "the check waited for the server to answer";
    EXPECT_EQ(result.get(), std::nullopt);
}

} // namespace
} // namespace trovel::test

// Placing windows through sway's IPC socket, against a socket of the test's own: the bytes
// sway would read, a socket that is not there, and a sway that went away and came back.
#include "platform/window_placer.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace trovel {
namespace {

TEST(SwayPlacer, CommandAndMessage) {
    EXPECT_EQ(sway_place_command(27263015, QRect(100, 600, 130, 44)),
              "floating_minimum_size 1 x 1; [id=27263015] floating enable, border none, sticky enable, "
              "resize set width 130 px height 44 px, move absolute position 100 px 600 px");
    EXPECT_TRUE(sway_place_command(5, QRect(-1920, 0, 1, 1)).endsWith("move absolute position -1920 px 0 px"));
    const QByteArray m = i3_ipc_message(0, "abc");
    ASSERT_EQ(m.size(), 6 + 4 + 4 + 3);
    EXPECT_EQ(m.left(6), "i3-ipc");
    uint32_t length = 0, type = 1;
    std::memcpy(&length, m.constData() + 6, 4);
    std::memcpy(&type, m.constData() + 10, 4);
    EXPECT_EQ(length, 3u);
    EXPECT_EQ(type, 0u);
    EXPECT_EQ(m.right(3), "abc");
}

// A listening socket in a folder of the test's.
struct FakeSway {
    QTemporaryDir dir;
    QByteArray path = dir.filePath("sway.sock").toLocal8Bit();
    int listener = -1;
    void listen() {
        listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        std::memcpy(a.sun_path, path.constData(), static_cast<size_t>(path.size()));
        ::unlink(path.constData());
        ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr *>(&a), sizeof a), 0);
        ASSERT_EQ(::listen(listener, 4), 0);
    }
    // Accepts one client and reads what it sent.
    QByteArray accept_and_read(int *client_out = nullptr) {
        const int client = ::accept(listener, nullptr, nullptr);
        char buffer[4096];
        const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
        if (client_out)
            *client_out = client;
        else
            ::close(client);
        return n > 0 ? QByteArray(buffer, static_cast<int>(n)) : QByteArray();
    }
    ~FakeSway() {
        if (listener >= 0) ::close(listener);
    }
};

TEST(SwayPlacer, TellsSwayAndReconnectsAfterItWentAway) {
    FakeSway sway;
    sway.listen();
    qputenv("SWAYSOCK", sway.path);
    const auto placer = make_desktop_window_placer();
    qunsetenv("SWAYSOCK");
    ASSERT_NE(placer, nullptr);
    placer->place(7, QRect(1, 2, 130, 44));
    int client = -1;
    const QByteArray first = i3_ipc_message(0, sway_place_command(7, QRect(1, 2, 130, 44)));
    EXPECT_EQ(sway.accept_and_read(&client), first);
    // A window sway does not know yet: the placement is sent again a moment later.
    const QByteArray refused = i3_ipc_message(0, R"([ { "success": false, "error": "No matching node." } ])");
    ASSERT_EQ(::send(client, refused.constData(), static_cast<size_t>(refused.size()), 0), refused.size());
    QTest::qWait(300);
    char buffer[4096];
    const ssize_t n = ::recv(client, buffer, sizeof buffer, MSG_DONTWAIT);
    EXPECT_EQ(QByteArray(buffer, static_cast<int>(std::max<ssize_t>(n, 0))), first);
    // sway goes away: the reader notices, and the next placement connects again.
    ::close(client);
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    placer->place(7, QRect(3, 4, 130, 44));
    placer->place(7, QRect(5, 6, 130, 44)); // a write on a closed socket gives up that one
    const QByteArray again = sway.accept_and_read();
    EXPECT_TRUE(again.endsWith(sway_place_command(7, QRect(5, 6, 130, 44)))) << again.toStdString();
}

TEST(SwayPlacer, NoSwayNoPlacerAndASocketThatIsNotThereChangesNothing) {
    qunsetenv("SWAYSOCK");
    EXPECT_EQ(make_desktop_window_placer(), nullptr);
    qputenv("SWAYSOCK", "/nonexistent/sway.sock");
    const auto placer = make_desktop_window_placer();
    qunsetenv("SWAYSOCK");
    ASSERT_NE(placer, nullptr);
    placer->place(7, QRect(1, 2, 3, 4)); // nothing happens, nothing breaks
    placer->place(7, QRect(1, 2, 3, 4));
}

} // namespace
} // namespace trovel

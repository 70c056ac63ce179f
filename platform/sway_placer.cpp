// Placing windows through sway's IPC socket. The socket is connected at the first
// placement and kept; the commands go out as they come (a phase change makes a few), and
// the replies are read. sway may learn of a new X window a moment after the window is
// exposed; a command it answers with "No matching node" is sent again a little later, a
// few times. A sway that does not answer, or goes away, changes nothing: the windows stay
// where sway puts them.
#include "platform/window_placer.h"

#include <QSocketNotifier>
#include <QString>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace trovel {

namespace {

constexpr uint32_t kRunCommand = 0;
constexpr int kRetries = 10;
constexpr int kRetryMs = 100;

class SwayPlacer : public WindowPlacer {
public:
    explicit SwayPlacer(QByteArray socket_path) : path_(std::move(socket_path)) {}
    ~SwayPlacer() override { disconnect(); }

    void place(uint64_t window, const QRect &geometry) override {
        last_ = i3_ipc_message(kRunCommand, sway_place_command(window, geometry));
        retries_left_ = kRetries;
        send(last_);
    }

private:
    void send(const QByteArray &message) {
        if (fd_ < 0 && !connect_socket()) return;
        // A few hundred bytes on a local socket: written whole or the socket is given up.
        if (::send(fd_, message.constData(), static_cast<size_t>(message.size()), MSG_NOSIGNAL | MSG_DONTWAIT) !=
            message.size())
            disconnect();
    }

    bool connect_socket() {
        sockaddr_un address{};
        if (path_.isEmpty() || static_cast<size_t>(path_.size()) >= sizeof address.sun_path) return false;
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path_.constData(), static_cast<size_t>(path_.size()));
        fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd_ < 0) return false;
        if (::connect(fd_, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
            disconnect();
            return false;
        }
        reader_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
        QObject::connect(reader_.get(), &QSocketNotifier::activated, [this] { drain(); });
        return true;
    }

    void drain() {
        char buffer[4096];
        const ssize_t n = ::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
            disconnect();
            return;
        }
        if (n > 0 && QByteArray::fromRawData(buffer, static_cast<int>(n)).contains("No matching node") &&
            retries_left_ > 0) {
            --retries_left_;
            QTimer::singleShot(kRetryMs, &context_, [this] { send(last_); });
        }
    }

    void disconnect() {
        reader_.reset();
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

    QByteArray path_;
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> reader_;
    QByteArray last_; // the latest placement: a retry sends the place wanted now
    int retries_left_ = 0;
    QObject context_; // ends the retries that are still due with the placer
};

} // namespace

QByteArray sway_place_command(uint64_t window, const QRect &geometry) {
    // sway keeps floating windows at least 75x50 unless told otherwise, which would
    // stretch the bar; the minimum is set for every window, as sway has no other kind.
    return QStringLiteral("floating_minimum_size 1 x 1; [id=%1] floating enable, border none, sticky enable, "
                          "resize set width %2 px height %3 px, move absolute position %4 px %5 px")
        .arg(window)
        .arg(geometry.width())
        .arg(geometry.height())
        .arg(geometry.x())
        .arg(geometry.y())
        .toUtf8();
}

QByteArray i3_ipc_message(uint32_t type, const QByteArray &payload) {
    QByteArray message("i3-ipc");
    const auto length = static_cast<uint32_t>(payload.size());
    message.append(reinterpret_cast<const char *>(&length), sizeof length);
    message.append(reinterpret_cast<const char *>(&type), sizeof type);
    message.append(payload);
    return message;
}

std::unique_ptr<WindowPlacer> make_desktop_window_placer() {
    const QByteArray path = qgetenv("SWAYSOCK");
    if (path.isEmpty()) return nullptr;
    return std::make_unique<SwayPlacer>(path);
}

} // namespace trovel

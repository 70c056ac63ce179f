// The display check. Asking the server itself (libxcb's connection set-up, as Qt's X11
// platform does it) costs a round trip that Xvfb here answers in about 20 ms, and Qt then
// pays it once more; so a local display whose socket accepts a connection is taken as
// reachable without one. Only when that cannot be told (no local server listens, a remote
// display, a name that does not parse) does libxcb try the full connection, which fails
// at once when there is nothing to reach.
#include "app/display_check.h"

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace trovel {

namespace {

// Qt takes its options with one dash or two.
bool is_option(const char *arg, const char *name) {
    if (arg[0] != '-') return false;
    const char *bare = arg[1] == '-' ? arg + 2 : arg + 1;
    return std::strcmp(bare, name) == 0;
}

const char *option_value(int argc, char **argv, const char *name) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (is_option(argv[i], name)) return argv[i + 1];
    }
    return nullptr;
}

bool accepts(const sockaddr_un &address, socklen_t length) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    int rc;
    do {
        rc = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), length);
    } while (rc != 0 && errno == EINTR);
    ::close(fd);
    return rc == 0;
}

// Whether an X server listens on display `number` of this machine, where libxcb looks for
// it: the abstract socket first, then the one in /tmp/.X11-unix.
bool local_server_listens(int number) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const int n = std::snprintf(address.sun_path + 1, sizeof address.sun_path - 1, "/tmp/.X11-unix/X%d", number);
    if (n <= 0 || size_t(n) >= sizeof address.sun_path - 1) return false;
    if (accepts(address, socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(n)))) return true;
    std::memmove(address.sun_path, address.sun_path + 1, size_t(n) + 1);
    return accepts(address, socklen_t(offsetof(sockaddr_un, sun_path) + size_t(n) + 1));
}

bool reachable(const char *display) {
    char *host = nullptr;
    int number = 0;
    if (xcb_parse_display(display, &host, &number, nullptr)) {
        const bool local = !*host || std::strcmp(host, "unix") == 0;
        std::free(host);
        if (local && local_server_listens(number)) return true;
    }
    xcb_connection_t *connection = xcb_connect(display, nullptr);
    const bool ok = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return ok;
}

} // namespace

std::optional<QString> display_problem(const QString &platform, const char *display) {
    // The first platform of a list is the one tried first; its options follow a colon.
    const QString name = platform.section(u';', 0, 0).section(u':', 0, 0).trimmed();
    if (!name.isEmpty() && name != QLatin1String("xcb")) return std::nullopt;
    const QString hint = QStringLiteral("; on a Wayland desktop XWayland must be running");
    if (!display || !*display)
        return QStringLiteral("trovel: cannot connect to an X display: DISPLAY is not set") + hint;
    if (reachable(display)) return std::nullopt;
    return QStringLiteral("trovel: cannot connect to the X display '%1'").arg(QString::fromLocal8Bit(display)) + hint;
}

bool display_reachable(int argc, char **argv) {
    const char *platform_arg = option_value(argc, argv, "platform");
    const QString platform =
        platform_arg ? QString::fromLocal8Bit(platform_arg) : qEnvironmentVariable("QT_QPA_PLATFORM");
    const char *display_arg = option_value(argc, argv, "display");
    const std::optional<QString> problem =
        display_problem(platform, display_arg ? display_arg : std::getenv("DISPLAY"));
    if (!problem) return true;
    std::fprintf(stderr, "%s\n", qUtf8Printable(*problem));
    return false;
}

} // namespace trovel

// The platform choice and the display check. The check is libxcb's connection set-up, as
// Qt's X11 platform does it: anything short of a server that accepts this user (a socket
// that closes, garbage, a server that is full, resetting or refuses the authorisation)
// fails here. It costs one round trip (well under a millisecond on a running local
// server); the connection is kept until Qt has made its own.
#include "app/display_check.h"

#include <QCoreApplication>
#include <QStringList>
#include <QThread>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>
#include <utility>
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

QString entry_name(const QString &entry) { return entry.section(u':', 0, 0).trimmed(); }

xcb_connection_t *g_kept = nullptr;

struct Attempt {
    xcb_connection_t *connection = nullptr; // null when the server did not answer in time
    QString said;                           // the server's reason for a refusal
};

// libxcb writes a server's refusal ("Maximum number of clients reached") straight to
// stderr without a newline; it is caught in a pipe for the one line. The set-up runs on a
// thread of its own so that a socket that never answers is given up on; such a thread is
// left to the end of the process.
Attempt connect_within(const char *display, std::chrono::milliseconds patience) {
    Attempt attempt;
    int pipe_fds[2];
    const bool caught = ::pipe2(pipe_fds, O_CLOEXEC | O_NONBLOCK) == 0;
    int saved_stderr = -1;
    if (caught) {
        std::fflush(stderr);
        saved_stderr = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
        if (saved_stderr >= 0) ::dup2(pipe_fds[1], STDERR_FILENO);
    }
    auto result = std::make_shared<std::promise<xcb_connection_t *>>();
    std::future<xcb_connection_t *> connected = result->get_future();
    std::thread([result, name = std::string(display)] {
        result->set_value(xcb_connect(name.c_str(), nullptr));
    }).detach();
    if (connected.wait_for(patience) == std::future_status::ready) attempt.connection = connected.get();
    if (saved_stderr >= 0) {
        ::dup2(saved_stderr, STDERR_FILENO);
        ::close(saved_stderr);
    }
    if (caught) {
        ::close(pipe_fds[1]);
        std::array<char, 512> text{};
        const ssize_t n = ::read(pipe_fds[0], text.data(), text.size() - 1);
        ::close(pipe_fds[0]);
        // An authentication reason comes with the padding of the server's reply.
        if (n > 0) attempt.said = QString::fromLocal8Bit(text.data(), qstrnlen(text.data(), size_t(n))).simplified();
    }
    return attempt;
}

} // namespace

PlatformChoice choose_platform(const QByteArray &asked) {
    const QString text = QString::fromLocal8Bit(asked);
    const QStringList entries = text.split(u';', Qt::SkipEmptyParts);
    for (const QString &entry : entries) {
        if (entry_name(entry) == QLatin1String("xcb")) return {entry.trimmed().toLocal8Bit(), std::nullopt};
    }
    if (!entries.isEmpty()) {
        const QString first = entry_name(entries.first());
        if (first == QLatin1String("offscreen") || first == QLatin1String("minimal")) return {asked, std::nullopt};
    }
    if (text.trimmed().isEmpty()) return {QByteArrayLiteral("xcb"), std::nullopt};
    return {QByteArrayLiteral("xcb"),
            QStringLiteral("trovel: QT_QPA_PLATFORM=%1 is not used: the bar needs X11, so it runs on xcb").arg(text)};
}

void use_x11_platform() {
    const PlatformChoice choice =
        choose_platform(qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ? qgetenv("QT_QPA_PLATFORM") : QByteArray());
    if (choice.line) std::fprintf(stderr, "%s\n", qUtf8Printable(*choice.line));
    qputenv("QT_QPA_PLATFORM", choice.value);
}

std::optional<QString> display_problem(const QString &platform, const char *display,
                                       std::chrono::milliseconds patience) {
    // The first platform of a list is the one tried first; its options follow a colon.
    const QString name = entry_name(platform.section(u';', 0, 0));
    if (!name.isEmpty() && name != QLatin1String("xcb")) return std::nullopt;
    const QString hint = QStringLiteral("; on a Wayland desktop XWayland must be running");
    if (!display || !*display)
        return QStringLiteral("trovel: cannot connect to an X display: DISPLAY is not set") + hint;
    const QString shown = QString::fromLocal8Bit(display);
    const Attempt attempt = connect_within(display, patience);
    if (!attempt.connection) return QStringLiteral("trovel: the X display '%1' does not answer").arg(shown);
    if (xcb_connection_has_error(attempt.connection) == 0) {
        if (g_kept) xcb_disconnect(g_kept);
        g_kept = attempt.connection;
        return std::nullopt;
    }
    xcb_disconnect(attempt.connection);
    if (!attempt.said.isEmpty())
        return QStringLiteral("trovel: the X display '%1' refused the connection: %2").arg(shown, attempt.said);
    return QStringLiteral("trovel: cannot connect to the X display '%1'").arg(shown) + hint;
}

bool display_reachable(int argc, char **argv) {
    const char *platform_arg = option_value(argc, argv, "platform");
    const QString platform =
        platform_arg ? QString::fromLocal8Bit(platform_arg) : qEnvironmentVariable("QT_QPA_PLATFORM");
    const char *display_arg = option_value(argc, argv, "display");
    const std::optional<QString> problem =
        display_problem(platform, display_arg ? display_arg : std::getenv("DISPLAY"));
    if (!problem) return true;
    release_display_check();
    std::fprintf(stderr, "%s\n", qUtf8Printable(*problem));
    return false;
}

void release_display_check() {
    if (g_kept) xcb_disconnect(std::exchange(g_kept, nullptr));
}

namespace {

std::function<void()> g_on_display_lost;
QtMessageHandler g_previous_handler = nullptr;
bool g_watching = false;
bool g_display_lost = false;

void watch_for_lost_display(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (g_previous_handler) g_previous_handler(type, context, message);
    // Both of Qt's lines: its event loop's check, and Xlib's fatal I/O error handler.
    if (type != QtWarningMsg || !message.startsWith(QLatin1String("The X11 connection broke"))) return;
    // Only the GUI thread may touch the form; a loss seen on another thread ends the
    // process from there, and saving now would race the GUI thread.
    const QCoreApplication *app = QCoreApplication::instance();
    if (g_display_lost || !app || QThread::currentThread() != app->thread()) return;
    g_display_lost = true;
    if (g_on_display_lost) g_on_display_lost();
}

} // namespace

void on_display_lost(std::function<void()> on_lost) {
    g_on_display_lost = std::move(on_lost);
    g_display_lost = false;
    if (g_watching) return;
    g_watching = true;
    g_previous_handler = qInstallMessageHandler(watch_for_lost_display);
}

} // namespace trovel

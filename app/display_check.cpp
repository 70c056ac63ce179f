// The display check: one connection through libxcb, the library Qt's X11 platform uses, so
// whatever keeps Qt from connecting (no server, a name that does not parse, no
// permission) keeps this one from connecting too. It is closed again at once; the
// round trip costs well under a millisecond beside a start-up of about a hundred.
#include "app/display_check.h"

#include <cstdio>
#include <cstring>
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

} // namespace

std::optional<QString> display_problem(const QString &platform, const char *display) {
    // The first platform of a list is the one tried first; its options follow a colon.
    const QString name = platform.section(u';', 0, 0).section(u':', 0, 0).trimmed();
    if (!name.isEmpty() && name != QLatin1String("xcb")) return std::nullopt;
    const QString hint = QStringLiteral("; on a Wayland desktop XWayland must be running");
    if (!display || !*display)
        return QStringLiteral("trovel: cannot connect to an X display: DISPLAY is not set") + hint;
    xcb_connection_t *connection = xcb_connect(display, nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (!failed) return std::nullopt;
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

// The platform the program runs on, and whether its X display can be used, settled before
// Qt starts. The bar needs X11 (absolute positions, always on top), so a platform asked for
// in QT_QPA_PLATFORM that is not X11 (Wayland set for every program of a session) is
// replaced by xcb instead of ending in Qt's abort; and an X display that is not a working
// server makes Qt abort (status 134) with a message that blames the installation, so the
// check ends the program first with a line that says what is wrong.
#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>

namespace trovel {

struct PlatformChoice {
    QByteArray value;            // what QT_QPA_PLATFORM is to be
    std::optional<QString> line; // what to tell the user, when their choice is not followed
};

// The platform for QT_QPA_PLATFORM's value `asked` (null when unset). A list that names xcb
// runs on its xcb entry, quietly; Qt's platforms without any window system (offscreen,
// minimal: scripts run the program headless with them) are kept; anything else becomes
// xcb, with a line when the user's choice had no fall-back to X11.
PlatformChoice choose_platform(const QByteArray &asked);

// Applies choose_platform() to this process's environment, printing its line on stderr.
void use_x11_platform();

// How long a server that accepted the connection may take to answer its set-up. A server
// started on demand (XWayland) takes a moment; one that never answers would hang Qt.
inline constexpr std::chrono::milliseconds kDisplayPatience{15000};

// The line to print when the program would run on X11 and the display is not a working X
// server; nothing when it is, or when another Qt platform was chosen. `platform` is the
// platform asked for (the -platform argument, else QT_QPA_PLATFORM; empty for the default,
// X11), `display` the display's name (the -display argument, else DISPLAY; null when
// unset). The check is the X connection set-up itself, with the user's authorisation.
std::optional<QString> display_problem(const QString &platform, const char *display,
                                       std::chrono::milliseconds patience = kDisplayPatience);

// display_problem() for this process's arguments and environment. Prints the line on
// stderr and returns false when the program cannot start. When it can, the check's
// connection stays open until release_display_check(): a server that resets when its last
// client leaves (Xvfb, a bare xinit) would otherwise reset just as Qt connects.
bool display_reachable(int argc, char **argv);
// Closes the check's connection, once Qt has its own.
void release_display_check();

// When the X server goes away before its clients get a signal (as at many logouts), Qt's
// xcb platform prints a line beginning "The X11 connection broke" and at once calls
// exit(1): no destructor of main's runs, so the form is never destroyed and saves nothing.
// From now on `on_lost` runs right after that line has gone to the handler there was
// before, on the GUI thread and before the exit, while every object of the program is
// still whole (an atexit handler would come after the static objects made since it was
// registered are destroyed). It runs once; it must neither talk to the display nor throw.
// A later call replaces `on_lost` and arms it again.
void on_display_lost(std::function<void()> on_lost);

} // namespace trovel

// Whether the X display can be reached, asked before Qt is. Qt's X11 platform cannot start
// without one and aborts the process (status 134) with a message that blames the
// installation; this check ends the program first with a line that says what is wrong.
#pragma once

#include <QString>
#include <optional>

namespace trovel {

// The line to print when the program would run on X11 and the display cannot be reached;
// nothing when it can, or when another Qt platform was chosen. `platform` is the platform
// asked for (the -platform argument, else QT_QPA_PLATFORM; empty for the default, X11),
// `display` the display's name (the -display argument, else DISPLAY; null when unset).
std::optional<QString> display_problem(const QString &platform, const char *display);

// display_problem() for this process's arguments and environment. Prints the line on
// stderr and returns false when the program cannot start.
bool display_reachable(int argc, char **argv);

} // namespace trovel

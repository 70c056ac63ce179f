// Qt's own connection to the X server, shared by the desktop queries that Qt has no API
// for (idle time, the active window's state). No second connection is ever opened.
#pragma once

#include <cstdint>

struct xcb_connection_t;

namespace trovel::x11 {

// The connection of the running QGuiApplication, or nullptr when the program does not
// run on the xcb platform (offscreen tests, a native Wayland platform).
xcb_connection_t *qt_connection();

// The screen that $DISPLAY names: 0 unless it says ".N".
int screen_number();

// The root window of that screen.
uint32_t root_window(xcb_connection_t *connection);

} // namespace trovel::x11

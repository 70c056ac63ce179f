// Finding Qt's X connection and the root window on it.
#include "platform/x11_connection.h"

#include <QGuiApplication>
#include <cstdlib>
#include <xcb/xcb.h>

namespace trovel::x11 {

xcb_connection_t *qt_connection() {
    auto *app = qGuiApp;
    // Other platforms may offer the interface too (offscreen does, without a connection).
    if (!app || QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    auto *x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

int screen_number() {
    int screen = 0;
    char *host = nullptr;
    int display = 0;
    // The same rule xcb_connect used for Qt: the screen number after the dot, or 0.
    if (xcb_parse_display(nullptr, &host, &display, &screen) == 0) screen = 0;
    std::free(host);
    return screen;
}

uint32_t root_window(xcb_connection_t *connection) {
    const int screen = screen_number();
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screen && it.rem > 1; ++i)
        xcb_screen_next(&it);
    return it.rem > 0 ? it.data->root : 0;
}

} // namespace trovel::x11

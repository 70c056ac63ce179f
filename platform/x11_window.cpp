#include "platform/x11_window.h"

#include "platform/x11_connection.h"

#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>
#include <xcb/xcb.h>

namespace trovel {

void stop_property_notifications(QWindow *window) {
    xcb_connection_t *c = x11::qt_connection();
    if (!c || !window || !window->handle()) return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    // Whatever else Qt selected stays selected.
    xcb_get_window_attributes_reply_t *attributes =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, id), nullptr);
    if (!attributes) return;
    const uint32_t mask = attributes->your_event_mask & ~uint32_t{XCB_EVENT_MASK_PROPERTY_CHANGE};
    const bool selected = mask != attributes->your_event_mask;
    std::free(attributes);
    if (!selected) return;
    xcb_change_window_attributes(c, id, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
}

} // namespace trovel

#include "platform/x11_window.h"

#include "platform/x11_connection.h"

#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>
#include <cstring>
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

void skip_taskbar(QWindow *window) {
    xcb_connection_t *c = x11::qt_connection();
    if (!c || !window || !window->handle()) return;
    const char *const names[] = {"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"};
    xcb_intern_atom_cookie_t cookies[3];
    for (int i = 0; i < 3; ++i)
        cookies[i] = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(names[i])), names[i]);
    xcb_atom_t atoms[3] = {};
    for (int i = 0; i < 3; ++i) {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(c, cookies[i], nullptr);
        atoms[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
    }
    if (atoms[0] == XCB_ATOM_NONE || atoms[1] == XCB_ATOM_NONE || atoms[2] == XCB_ATOM_NONE) return;
    xcb_change_property(c, XCB_PROP_MODE_APPEND, static_cast<xcb_window_t>(window->winId()), atoms[0], XCB_ATOM_ATOM,
                        32, 2, &atoms[1]);
    xcb_flush(c);
}

} // namespace trovel

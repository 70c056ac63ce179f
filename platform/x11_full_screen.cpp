// Two round trips per query: the active window, then its map state, type, geometry and
// position, asked together. What the window's _NET_WM_STATE claims is not asked: a window
// counts only for what it is (mapped, and covering a screen), so a small window or an
// unmapped one that names itself full screen never holds a rest back.
#include "platform/x11_full_screen.h"

#include "platform/x11_connection.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace trovel {

namespace {

// The reply of a cookie, with any error freed so it never reaches Qt's event queue.
template <typename Reply, typename Cookie, typename Fn> Reply *reply_of(xcb_connection_t *c, Fn fn, Cookie cookie) {
    xcb_generic_error_t *error = nullptr;
    Reply *reply = fn(c, cookie, &error);
    std::free(error);
    return reply;
}

struct Freed {
    void operator()(void *p) const { std::free(p); }
};
template <typename T> using Owned = std::unique_ptr<T, Freed>;

bool atom_list_has(const xcb_get_property_reply_t *reply, uint32_t atom) {
    if (!reply || reply->type != XCB_ATOM_ATOM || reply->format != 32) return false;
    const auto *atoms = static_cast<const uint32_t *>(xcb_get_property_value(reply));
    const int n = xcb_get_property_value_length(reply) / 4;
    for (int i = 0; i < n; ++i)
        if (atoms[i] == atom) return true;
    return false;
}

} // namespace

bool is_qt_window_of_ours(uint32_t window) {
    for (QWindow *w : QGuiApplication::allWindows())
        if (w->handle() && static_cast<uint32_t>(w->winId()) == window) return true;
    return false;
}

QList<QRect> qt_screen_rects_in_device_pixels() {
    QList<QRect> rects;
    for (QScreen *s : QGuiApplication::screens()) {
        const QRect g = s->geometry();
        const qreal ratio = s->devicePixelRatio();
        rects.append(QRect(g.topLeft(), QSize(static_cast<int>(std::lround(g.width() * ratio)),
                                              static_cast<int>(std::lround(g.height() * ratio)))));
    }
    return rects;
}

X11FullScreenProbe::X11FullScreenProbe(xcb_connection_t *connection, OwnWindow own_window)
    : connection_(connection), own_window_(std::move(own_window)) {
    if (!own_window_) own_window_ = is_qt_window_of_ours;
}

bool X11FullScreenProbe::connect() {
    if (connected_ || unusable_) return connected_;
    if (!connection_) connection_ = x11::qt_connection();
    if (connection_ && !xcb_connection_has_error(connection_)) root_ = x11::root_window(connection_);
    if (root_ == 0) {
        unusable_ = true;
        return false;
    }
    // Interned once; the three requests travel together.
    const char *names[] = {"_NET_ACTIVE_WINDOW", "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_DESKTOP"};
    uint32_t *atoms[] = {&net_active_window_, &net_wm_window_type_, &net_wm_window_type_desktop_};
    constexpr int n = 3;
    xcb_intern_atom_cookie_t cookies[n];
    for (int i = 0; i < n; ++i)
        cookies[i] = xcb_intern_atom(connection_, 0, static_cast<uint16_t>(std::strlen(names[i])), names[i]);
    bool all = true;
    for (int i = 0; i < n; ++i) {
        Owned<xcb_intern_atom_reply_t> r(
            reply_of<xcb_intern_atom_reply_t>(connection_, xcb_intern_atom_reply, cookies[i]));
        *atoms[i] = r ? r->atom : 0;
        all = all && *atoms[i] != 0;
    }
    if (!all) {
        unusable_ = true;
        return false;
    }
    connected_ = true;
    return true;
}

bool X11FullScreenProbe::other_program_full_screen() {
    if (!connect() || xcb_connection_has_error(connection_)) return false;
    Owned<xcb_get_property_reply_t> active(reply_of<xcb_get_property_reply_t>(
        connection_, xcb_get_property_reply,
        xcb_get_property(connection_, 0, root_, net_active_window_, XCB_ATOM_WINDOW, 0, 1)));
    if (!active || active->type != XCB_ATOM_WINDOW || active->format != 32 ||
        xcb_get_property_value_length(active.get()) < 4)
        return false;
    const uint32_t window = *static_cast<const uint32_t *>(xcb_get_property_value(active.get()));
    if (window == 0 || window == root_ || own_window_(window)) return false;

    const auto attributes_cookie = xcb_get_window_attributes(connection_, window);
    const auto type_cookie = xcb_get_property(connection_, 0, window, net_wm_window_type_, XCB_ATOM_ATOM, 0, 64);
    const auto geometry_cookie = xcb_get_geometry(connection_, window);
    const auto position_cookie = xcb_translate_coordinates(connection_, window, root_, 0, 0);
    Owned<xcb_get_window_attributes_reply_t> attributes(
        reply_of<xcb_get_window_attributes_reply_t>(connection_, xcb_get_window_attributes_reply, attributes_cookie));
    Owned<xcb_get_property_reply_t> type(
        reply_of<xcb_get_property_reply_t>(connection_, xcb_get_property_reply, type_cookie));
    Owned<xcb_get_geometry_reply_t> geometry(
        reply_of<xcb_get_geometry_reply_t>(connection_, xcb_get_geometry_reply, geometry_cookie));
    Owned<xcb_translate_coordinates_reply_t> position(
        reply_of<xcb_translate_coordinates_reply_t>(connection_, xcb_translate_coordinates_reply, position_cookie));

    // The desktop's own window covers the screen and becomes active when the user clicks
    // on the desktop; it is no program in front of the user.
    if (atom_list_has(type.get(), net_wm_window_type_desktop_)) return false;
    // A window that is not on the screen (unmapped, or in an unmapped parent) hides nothing.
    if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) return false;
    if (!geometry || !position) return false;
    const QRect rect(position->dst_x, position->dst_y, geometry->width, geometry->height);
    return covers_a_screen(rect, qt_screen_rects_in_device_pixels());
}

} // namespace trovel

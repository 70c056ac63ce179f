#include "platform/x11_tray_manager.h"

#include "platform/x11_connection.h"

#include <QByteArray>
#include <QCoreApplication>
#include <cstdlib>
#include <xcb/xcb.h>

namespace trovel {

namespace {

uint32_t atom_reply(xcb_connection_t *c, uint32_t sequence) {
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(c, xcb_intern_atom_cookie_t{sequence}, nullptr);
    const uint32_t atom = reply ? reply->atom : 0;
    std::free(reply);
    return atom;
}

} // namespace

std::unique_ptr<X11TrayManagerWatch> X11TrayManagerWatch::make(std::function<void()> tray_came) {
    xcb_connection_t *c = x11::qt_connection();
    if (!c || xcb_connection_has_error(c)) return nullptr;
    return std::unique_ptr<X11TrayManagerWatch>(new X11TrayManagerWatch(c, std::move(tray_came)));
}

X11TrayManagerWatch::X11TrayManagerWatch(xcb_connection_t *c, std::function<void()> tray_came)
    : c_(c), tray_came_(std::move(tray_came)) {
    // The replies are read at the first client message, long after they came.
    const QByteArray selection = "_NET_SYSTEM_TRAY_S" + QByteArray::number(x11::screen_number());
    manager_cookie_ = xcb_intern_atom(c_, 0, 7, "MANAGER").sequence;
    selection_cookie_ = xcb_intern_atom(c_, 0, static_cast<uint16_t>(selection.size()), selection.constData()).sequence;
    xcb_flush(c_);
    asked_ = true;
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11TrayManagerWatch::~X11TrayManagerWatch() {
    // Replies not read yet are a few bytes that the connection frees when it closes; the
    // connection may be gone already.
    if (auto *app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

bool X11TrayManagerWatch::atoms_known() {
    if (asked_) {
        asked_ = false;
        manager_ = atom_reply(c_, manager_cookie_);
        selection_ = atom_reply(c_, selection_cookie_);
    }
    return manager_ != 0 && selection_ != 0;
}

bool X11TrayManagerWatch::nativeEventFilter(const QByteArray &type, void *message, qintptr *) {
    if (type != "xcb_generic_event_t") return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE || !atoms_known()) return false;
    const auto *m = reinterpret_cast<const xcb_client_message_event_t *>(event);
    // Qt handles the message as well, so it is never taken out of the queue here.
    if (m->type == manager_ && m->format == 32 && m->data.data32[1] == selection_ && tray_came_) tray_came_();
    return false;
}

} // namespace trovel

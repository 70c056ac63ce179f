// The connection, its globals from one round trip, and its events read when the socket
// has data; any error on it is the end of it.
#include "platform/wayland_connection.h"

#include <QSocketNotifier>
#include <QtGlobal>
#include <cerrno>
#include <wayland-client.h>

namespace trovel {

std::shared_ptr<WaylandConnection> WaylandConnection::open() {
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return nullptr;
    wl_display *display = wl_display_connect(nullptr);
    if (!display) return nullptr;
    std::shared_ptr<WaylandConnection> connection(new WaylandConnection(display));
    if (connection->gone_) return nullptr;
    return connection;
}

WaylandConnection::WaylandConnection(wl_display *display) : display_(display) {
    static const wl_registry_listener listener = {&WaylandConnection::global, &WaylandConnection::global_remove};
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &listener, this);
    // The one round trip: the globals, before anything is bound.
    if (wl_display_roundtrip(display_) < 0) {
        gone_ = true;
        return;
    }
    for (const Global &g : globals_)
        if (g.interface == QLatin1String(wl_seat_interface.name)) {
            seat_ = static_cast<wl_seat *>(wl_registry_bind(registry_, g.name, &wl_seat_interface, 1));
            break;
        }
    notifier_ = std::make_unique<QSocketNotifier>(wl_display_get_fd(display_), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &WaylandConnection::read_events);
    flush();
}

WaylandConnection::~WaylandConnection() {
    notifier_.reset();
    if (seat_) wl_seat_destroy(seat_);
    if (registry_) wl_registry_destroy(registry_);
    wl_display_disconnect(display_);
}

void WaylandConnection::global(void *data, wl_registry *, uint32_t name, const char *interface, uint32_t version) {
    static_cast<WaylandConnection *>(data)->globals_.push_back({name, QString::fromUtf8(interface), version});
}

void WaylandConnection::global_remove(void *data, wl_registry *, uint32_t name) {
    auto &globals = static_cast<WaylandConnection *>(data)->globals_;
    std::erase_if(globals, [name](const Global &g) { return g.name == name; });
}

bool WaylandConnection::offers(const char *interface, uint32_t version) const {
    const QString wanted = QString::fromUtf8(interface);
    for (const Global &g : globals_)
        if (g.interface == wanted && g.version >= version) return true;
    return false;
}

void *WaylandConnection::bind(const wl_interface *interface, uint32_t version) {
    if (gone_) return nullptr;
    const QString wanted = QString::fromUtf8(interface->name);
    for (const Global &g : globals_)
        if (g.interface == wanted && g.version >= version)
            return wl_registry_bind(registry_, g.name, interface, version);
    return nullptr;
}

void WaylandConnection::flush() {
    if (gone_) return;
    // A full socket buffer (EAGAIN) is sent on by the next flush; anything else is the end.
    if (wl_display_flush(display_) < 0 && errno != EAGAIN) lose();
}

void WaylandConnection::read_events() {
    if (gone_) return;
    while (wl_display_prepare_read(display_) != 0)
        if (wl_display_dispatch_pending(display_) < 0) return lose();
    if (wl_display_read_events(display_) < 0 || wl_display_dispatch_pending(display_) < 0) return lose();
    flush();
}

void WaylandConnection::lose() {
    if (gone_) return;
    gone_ = true;
    if (notifier_) notifier_->setEnabled(false);
}

} // namespace trovel

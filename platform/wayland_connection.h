// Trovel's own connection to the Wayland compositor, beside the X connection Qt opens to
// XWayland: made only when WAYLAND_DISPLAY is set. Its events are read on the GUI loop
// when the socket has data (a socket notifier): no timer, and no round trip after the
// first one, which lists the compositor's globals.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class QSocketNotifier;
struct wl_display;
struct wl_registry;
struct wl_seat;
struct wl_interface;

namespace trovel {

class WaylandConnection : public QObject {
public:
    // Nothing when WAYLAND_DISPLAY is unset or empty or the compositor cannot be reached.
    static std::shared_ptr<WaylandConnection> open();
    ~WaylandConnection() override;
    WaylandConnection(const WaylandConnection &) = delete;
    WaylandConnection &operator=(const WaylandConnection &) = delete;

    // Whether the compositor offers a global of this interface at `version` or later.
    bool offers(const char *interface, uint32_t version = 1) const;
    // Binds the first such global at `version`; nullptr when there is none or the
    // connection is gone. The caller adds its listener before the next event is read.
    void *bind(const wl_interface *interface, uint32_t version);
    // The first seat, for the idle protocols; nullptr without one.
    wl_seat *seat() const { return seat_; }

    // Sends what was asked for.
    void flush();
    // True from the moment the compositor closed the connection or broke it: what its
    // events told holds no longer.
    bool gone() const { return gone_; }

private:
    explicit WaylandConnection(wl_display *display);
    void read_events();
    void lose();

    struct Global {
        uint32_t name;
        QString interface;
        uint32_t version;
    };
    static void global(void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t version);
    static void global_remove(void *data, wl_registry *registry, uint32_t name);

    wl_display *display_;
    wl_registry *registry_ = nullptr;
    wl_seat *seat_ = nullptr;
    std::vector<Global> globals_;
    std::unique_ptr<QSocketNotifier> notifier_;
    bool gone_ = false;
};

} // namespace trovel

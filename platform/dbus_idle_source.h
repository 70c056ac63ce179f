// Idle time from a Wayland compositor over the session bus: GNOME's
// org.gnome.Mutter.IdleMonitor or the freedesktop screen saver of KDE Plasma.
#pragma once

#include "platform/idle_time.h"

namespace trovel {

class DBusIdleSource : public IdleTimeSource {
public:
    enum class Service { gnome_idle_monitor, freedesktop_screen_saver };

    // The call runs on the GUI thread at a countdown tick, so it may block only briefly.
    static constexpr int kDefaultTimeoutMs = 40;
    // A service that let a call time out is left alone for this many queries (five
    // minutes of ticks), so a hung compositor costs one timeout, not one at every tick.
    static constexpr int kQueriesSkippedAfterTimeout = 30;

    explicit DBusIdleSource(Service service, int timeout_ms = kDefaultTimeoutMs);
    std::optional<int64_t> idle_ms() override;

private:
    Service service_;
    int timeout_ms_;
    int skip_ = 0;
};

} // namespace trovel

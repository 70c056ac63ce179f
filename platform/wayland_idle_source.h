// Idle time from the compositor's idle notifications: the ext-idle-notify-v1 protocol
// (sway 1.8 and later, Hyprland, labwc, niri, KWin 5.27 and later) or KDE's older
// org_kde_kwin_idle (sway 1.7, older KWin). A notification is asked for after the rest
// length and made again when that changes; the answer at a tick is read from the state the
// events left, with no round trip (see platform/idle_notifications.h).
#pragma once

#include "platform/idle_notifications.h"
#include "platform/idle_time.h"

#include <map>
#include <memory>

namespace trovel {

class WaylandConnection;

class WaylandIdleSource : public IdleTimeSource {
public:
    enum class Protocol { ext_idle_notify, kde_idle };

    // Whether the compositor on `connection` offers the protocol (and a seat).
    static bool offered(const WaylandConnection &connection, Protocol protocol);
    // Without a clock, the steady clock of the system.
    WaylandIdleSource(std::shared_ptr<WaylandConnection> connection, Protocol protocol, MonotonicMs clock = {});
    ~WaylandIdleSource() override;
    WaylandIdleSource(const WaylandIdleSource &) = delete;
    WaylandIdleSource &operator=(const WaylandIdleSource &) = delete;

    // Nothing until the first rest length, and once the compositor is gone.
    std::optional<int64_t> idle_ms() override;
    void set_away_threshold_ms(int64_t ms) override;
    bool kept_from_events() const override { return true; }

    // One notification object and the id its events carry (public for the listeners).
    struct Notification;

private:
    void apply(const IdleNotifications::Changes &changes);
    void event(IdleNotifications::Id id, bool idled);

    std::shared_ptr<WaylandConnection> connection_;
    Protocol protocol_;
    MonotonicMs clock_;
    void *manager_ = nullptr; // ext_idle_notifier_v1 or org_kde_kwin_idle
    IdleNotifications state_;
    std::map<IdleNotifications::Id, std::unique_ptr<Notification>> notifications_;
};

} // namespace trovel

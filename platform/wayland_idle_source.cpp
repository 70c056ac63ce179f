// Both protocols as one: a notification object per IdleNotifications id, its two events
// handed on with the clock's reading.
#include "platform/wayland_idle_source.h"

#include "platform/wayland_connection.h"

#include <chrono>
#include <ext-idle-notify-v1-client.h>
#include <kde-idle-client.h>
#include <wayland-client.h>

namespace trovel {

struct WaylandIdleSource::Notification {
    WaylandIdleSource *source;
    IdleNotifications::Id id;
    void *object; // ext_idle_notification_v1 or org_kde_kwin_idle_timeout

    static void idled(void *data, void *) {
        auto *n = static_cast<Notification *>(data);
        n->source->event(n->id, true);
    }
    static void resumed(void *data, void *) {
        auto *n = static_cast<Notification *>(data);
        n->source->event(n->id, false);
    }
};

namespace {

// Both protocols' notification objects have the same two events, in the same order.
const ext_idle_notification_v1_listener ext_listener = {
    [](void *data, ext_idle_notification_v1 *o) { WaylandIdleSource::Notification::idled(data, o); },
    [](void *data, ext_idle_notification_v1 *o) { WaylandIdleSource::Notification::resumed(data, o); }};
const org_kde_kwin_idle_timeout_listener kde_listener = {
    [](void *data, org_kde_kwin_idle_timeout *o) { WaylandIdleSource::Notification::idled(data, o); },
    [](void *data, org_kde_kwin_idle_timeout *o) { WaylandIdleSource::Notification::resumed(data, o); }};

const wl_interface &manager_interface(WaylandIdleSource::Protocol protocol) {
    return protocol == WaylandIdleSource::Protocol::ext_idle_notify ? ext_idle_notifier_v1_interface
                                                                    : org_kde_kwin_idle_interface;
}

} // namespace

bool WaylandIdleSource::offered(const WaylandConnection &connection, Protocol protocol) {
    return connection.seat() && connection.offers(manager_interface(protocol).name);
}

WaylandIdleSource::WaylandIdleSource(std::shared_ptr<WaylandConnection> connection, Protocol protocol,
                                     MonotonicMs clock)
    : connection_(std::move(connection)), protocol_(protocol), clock_(std::move(clock)) {
    if (!clock_)
        clock_ = [] {
            using namespace std::chrono;
            return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
        };
    if (connection_->seat()) manager_ = connection_->bind(&manager_interface(protocol_), 1);
    if (!manager_) state_.gone();
}

WaylandIdleSource::~WaylandIdleSource() {
    for (auto &[id, n] : notifications_)
        if (protocol_ == Protocol::ext_idle_notify)
            ext_idle_notification_v1_destroy(static_cast<ext_idle_notification_v1 *>(n->object));
        else
            org_kde_kwin_idle_timeout_release(static_cast<org_kde_kwin_idle_timeout *>(n->object));
    if (manager_) {
        if (protocol_ == Protocol::ext_idle_notify)
            ext_idle_notifier_v1_destroy(static_cast<ext_idle_notifier_v1 *>(manager_));
        else
            org_kde_kwin_idle_destroy(static_cast<org_kde_kwin_idle *>(manager_));
    }
    connection_->flush();
}

std::optional<int64_t> WaylandIdleSource::idle_ms() {
    if (connection_->gone()) return std::nullopt;
    return state_.idle_ms(clock_());
}

void WaylandIdleSource::set_away_threshold_ms(int64_t ms) {
    // The protocols take 32 bits of milliseconds.
    if (ms > kMaxPlausibleIdleMs) ms = kMaxPlausibleIdleMs;
    apply(state_.set_timeout(ms));
}

void WaylandIdleSource::event(IdleNotifications::Id id, bool idled) {
    const int64_t now = clock_();
    apply(idled ? state_.idled(id, now) : state_.resumed(id, now));
}

void WaylandIdleSource::apply(const IdleNotifications::Changes &changes) {
    if (!manager_ || connection_->gone()) return;
    for (const IdleNotifications::Id id : changes.drop) {
        const auto it = notifications_.find(id);
        if (it == notifications_.end()) continue;
        if (protocol_ == Protocol::ext_idle_notify)
            ext_idle_notification_v1_destroy(static_cast<ext_idle_notification_v1 *>(it->second->object));
        else
            org_kde_kwin_idle_timeout_release(static_cast<org_kde_kwin_idle_timeout *>(it->second->object));
        notifications_.erase(it);
    }
    if (changes.make) {
        auto n = std::make_unique<Notification>(Notification{this, *changes.make, nullptr});
        const auto timeout = static_cast<uint32_t>(state_.timeout_ms());
        if (protocol_ == Protocol::ext_idle_notify) {
            auto *o = ext_idle_notifier_v1_get_idle_notification(static_cast<ext_idle_notifier_v1 *>(manager_), timeout,
                                                                 connection_->seat());
            ext_idle_notification_v1_add_listener(o, &ext_listener, n.get());
            n->object = o;
        } else {
            auto *o = org_kde_kwin_idle_get_idle_timeout(static_cast<org_kde_kwin_idle *>(manager_),
                                                         connection_->seat(), timeout);
            org_kde_kwin_idle_timeout_add_listener(o, &kde_listener, n.get());
            n->object = o;
        }
        notifications_[*changes.make] = std::move(n);
    }
    if (changes.make || !changes.drop.empty()) connection_->flush();
}

} // namespace trovel

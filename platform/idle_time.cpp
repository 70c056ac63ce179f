// Plausibility of idle answers, the chain of sources, and the choice of sources by session.
#include "platform/idle_time.h"

#include "platform/dbus_idle_source.h"
#include "platform/wayland_idle_source.h"
#include "platform/x11_idle_source.h"

#include <QByteArray>
#include <QtGlobal>
#include <chrono>

namespace trovel {

std::optional<int64_t> plausible_idle_ms(int64_t ms) {
    if (ms < 0 || ms > kMaxPlausibleIdleMs) return std::nullopt;
    return ms;
}

std::optional<int64_t> plausible_idle_ms(uint64_t ms) {
    if (ms > static_cast<uint64_t>(kMaxPlausibleIdleMs)) return std::nullopt;
    return static_cast<int64_t>(ms);
}

IdleSourceChain::IdleSourceChain(std::vector<std::unique_ptr<IdleTimeSource>> sources, MonotonicMs clock)
    : clock_(std::move(clock)) {
    if (!clock_)
        clock_ = [] {
            using namespace std::chrono;
            return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
        };
    for (auto &source : sources)
        sources_.push_back({std::move(source), std::nullopt});
}

std::optional<int64_t> IdleSourceChain::idle_ms() {
    answered_ = nullptr;
    for (Entry &entry : sources_) {
        const auto ms = entry.source->idle_ms();
        if (!ms) continue;
        const int64_t now = clock_();
        // Input since the last reading makes the idle time shorter than the time between
        // the two; without input it has grown by that time. Anything else is no idle time.
        bool stuck = false;
        if (entry.last && !entry.source->kept_from_events()) {
            const int64_t between = now - entry.last->at_ms;
            stuck = *ms > between + kGrowthToleranceMs && *ms < entry.last->idle_ms + between - kGrowthToleranceMs;
        }
        entry.last = Reading{now, *ms};
        if (stuck) continue;
        answered_ = &entry;
        return ms;
    }
    return std::nullopt;
}

void IdleSourceChain::watch_for_return() {
    if (answered_) answered_->source->watch_for_return();
}

bool IdleSourceChain::quiet_since_last_answer() { return answered_ && answered_->source->quiet_since_last_answer(); }

void IdleSourceChain::set_away_threshold_ms(int64_t ms) {
    for (Entry &entry : sources_)
        entry.source->set_away_threshold_ms(ms);
}

std::vector<IdleSourceKind> idle_sources_for(const IdleSourcesFound &found) {
    std::vector<IdleSourceKind> kinds;
    if (found.wayland_session) {
        if (found.gnome_idle_monitor) kinds.push_back(IdleSourceKind::gnome_idle_monitor);
        if (found.freedesktop_screen_saver) kinds.push_back(IdleSourceKind::freedesktop_screen_saver);
    }
    if (found.ext_idle_notify)
        kinds.push_back(IdleSourceKind::ext_idle_notify);
    else if (found.kde_idle)
        kinds.push_back(IdleSourceKind::kde_idle);
    if (!found.wayland_session) kinds.push_back(IdleSourceKind::x_server);
    return kinds;
}

std::unique_ptr<IdleSourceChain> make_desktop_idle_source(MonotonicMs clock,
                                                          const std::shared_ptr<WaylandConnection> &wayland,
                                                          IdleSourcesFound *found) {
    IdleSourcesFound offer;
    offer.wayland_session = qgetenv("XDG_SESSION_TYPE") == "wayland";
    std::unique_ptr<DBusIdleSource> gnome, screen_saver;
    if (offer.wayland_session) {
        gnome = std::make_unique<DBusIdleSource>(DBusIdleSource::Service::gnome_idle_monitor);
        offer.gnome_idle_monitor = gnome->idle_ms().has_value();
        screen_saver = std::make_unique<DBusIdleSource>(DBusIdleSource::Service::freedesktop_screen_saver);
        offer.freedesktop_screen_saver = screen_saver->idle_ms().has_value();
    }
    if (wayland) {
        offer.ext_idle_notify = WaylandIdleSource::offered(*wayland, WaylandIdleSource::Protocol::ext_idle_notify);
        offer.kde_idle = WaylandIdleSource::offered(*wayland, WaylandIdleSource::Protocol::kde_idle);
    }
    std::vector<std::unique_ptr<IdleTimeSource>> sources;
    for (const IdleSourceKind kind : idle_sources_for(offer)) {
        switch (kind) {
        case IdleSourceKind::gnome_idle_monitor:
            sources.push_back(std::move(gnome));
            break;
        case IdleSourceKind::freedesktop_screen_saver:
            sources.push_back(std::move(screen_saver));
            break;
        case IdleSourceKind::ext_idle_notify:
            sources.push_back(
                std::make_unique<WaylandIdleSource>(wayland, WaylandIdleSource::Protocol::ext_idle_notify));
            break;
        case IdleSourceKind::kde_idle:
            sources.push_back(std::make_unique<WaylandIdleSource>(wayland, WaylandIdleSource::Protocol::kde_idle));
            break;
        case IdleSourceKind::x_server:
            sources.push_back(std::make_unique<X11IdleSource>());
            break;
        }
    }
    if (found) *found = offer;
    return std::make_unique<IdleSourceChain>(std::move(sources), std::move(clock));
}

} // namespace trovel

// Plausibility of idle answers, the chain of sources, and the choice of sources by session.
#include "platform/idle_time.h"

#include "platform/dbus_idle_source.h"
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
        if (entry.last) {
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

std::unique_ptr<IdleTimeSource> make_desktop_idle_source(MonotonicMs clock) {
    std::vector<std::unique_ptr<IdleTimeSource>> sources;
    if (qgetenv("XDG_SESSION_TYPE") == "wayland") {
        sources.push_back(std::make_unique<DBusIdleSource>(DBusIdleSource::Service::gnome_idle_monitor));
        sources.push_back(std::make_unique<DBusIdleSource>(DBusIdleSource::Service::freedesktop_screen_saver));
    }
    sources.push_back(std::make_unique<X11IdleSource>());
    return std::make_unique<IdleSourceChain>(std::move(sources), std::move(clock));
}

} // namespace trovel

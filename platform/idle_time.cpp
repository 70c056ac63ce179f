// Plausibility of idle answers, the chain of sources, and the choice of sources by session.
#include "platform/idle_time.h"

#include "platform/dbus_idle_source.h"
#include "platform/x11_idle_source.h"

#include <QByteArray>
#include <QtGlobal>

namespace trovel {

std::optional<int64_t> plausible_idle_ms(int64_t ms) {
    if (ms < 0 || ms > kMaxPlausibleIdleMs) return std::nullopt;
    return ms;
}

std::optional<int64_t> plausible_idle_ms(uint64_t ms) {
    if (ms > static_cast<uint64_t>(kMaxPlausibleIdleMs)) return std::nullopt;
    return static_cast<int64_t>(ms);
}

IdleSourceChain::IdleSourceChain(std::vector<std::unique_ptr<IdleTimeSource>> sources) : sources_(std::move(sources)) {}

std::optional<int64_t> IdleSourceChain::idle_ms() {
    for (const auto &source : sources_) {
        if (const auto ms = source->idle_ms()) return ms;
    }
    return std::nullopt;
}

std::unique_ptr<IdleTimeSource> make_desktop_idle_source() {
    std::vector<std::unique_ptr<IdleTimeSource>> sources;
    if (qgetenv("XDG_SESSION_TYPE") == "wayland") {
        sources.push_back(std::make_unique<DBusIdleSource>(DBusIdleSource::Service::gnome_idle_monitor));
        sources.push_back(std::make_unique<DBusIdleSource>(DBusIdleSource::Service::freedesktop_screen_saver));
    }
    sources.push_back(std::make_unique<X11IdleSource>());
    return std::make_unique<IdleSourceChain>(std::move(sources));
}

} // namespace trovel

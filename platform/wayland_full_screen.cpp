// The foreign-toplevel manager and its handles, their events handed to a ToplevelList.
#include "platform/wayland_full_screen.h"

#include "platform/wayland_connection.h"

#include <algorithm>
#include <wayland-client.h>
#include <wlr-foreign-toplevel-management-unstable-v1-client.h>

namespace trovel {

namespace {

ToplevelList::Key key(zwlr_foreign_toplevel_handle_v1 *handle) { return reinterpret_cast<ToplevelList::Key>(handle); }

} // namespace

struct WaylandFullScreenProbe::Listeners {
    static WaylandFullScreenProbe &probe(void *data) { return *static_cast<WaylandFullScreenProbe *>(data); }

    static void title(void *, zwlr_foreign_toplevel_handle_v1 *, const char *) {}
    static void app_id(void *data, zwlr_foreign_toplevel_handle_v1 *handle, const char *app_id) {
        probe(data).list_.app_id(key(handle), QString::fromUtf8(app_id));
    }
    static void output(void *, zwlr_foreign_toplevel_handle_v1 *, wl_output *) {}
    static void state(void *data, zwlr_foreign_toplevel_handle_v1 *handle, wl_array *states) {
        bool activated = false, full_screen = false;
        const auto *values = static_cast<const uint32_t *>(states->data);
        for (size_t i = 0; i < states->size / sizeof(uint32_t); ++i) {
            activated = activated || values[i] == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED;
            full_screen = full_screen || values[i] == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_FULLSCREEN;
        }
        probe(data).list_.state(key(handle), activated, full_screen);
    }
    static void done(void *data, zwlr_foreign_toplevel_handle_v1 *handle) { probe(data).list_.done(key(handle)); }
    static void closed(void *data, zwlr_foreign_toplevel_handle_v1 *handle) {
        WaylandFullScreenProbe &p = probe(data);
        p.list_.closed(key(handle));
        std::erase(p.handles_, static_cast<void *>(handle));
        zwlr_foreign_toplevel_handle_v1_destroy(handle);
    }
    static constexpr zwlr_foreign_toplevel_handle_v1_listener handle{&title, &app_id, &output, &output,
                                                                     &state, &done,   &closed};

    static void toplevel(void *data, zwlr_foreign_toplevel_manager_v1 *, zwlr_foreign_toplevel_handle_v1 *h) {
        WaylandFullScreenProbe &p = probe(data);
        p.handles_.push_back(h);
        p.list_.added(key(h));
        zwlr_foreign_toplevel_handle_v1_add_listener(h, &handle, data);
    }
    static void finished(void *data, zwlr_foreign_toplevel_manager_v1 *manager) {
        WaylandFullScreenProbe &p = probe(data);
        p.list_.gone();
        zwlr_foreign_toplevel_manager_v1_destroy(manager);
        p.manager_ = nullptr;
    }
    static constexpr zwlr_foreign_toplevel_manager_v1_listener manager{&toplevel, &finished};
};

bool WaylandFullScreenProbe::offered(const WaylandConnection &connection) {
    return connection.offers(zwlr_foreign_toplevel_manager_v1_interface.name, kVersion);
}

WaylandFullScreenProbe::WaylandFullScreenProbe(std::shared_ptr<WaylandConnection> connection, QStringList own_app_ids)
    : connection_(std::move(connection)), list_(std::move(own_app_ids)) {
    manager_ = connection_->bind(&zwlr_foreign_toplevel_manager_v1_interface, kVersion);
    if (!manager_) {
        list_.gone();
        return;
    }
    zwlr_foreign_toplevel_manager_v1_add_listener(static_cast<zwlr_foreign_toplevel_manager_v1 *>(manager_),
                                                  &Listeners::manager, this);
    connection_->flush();
}

WaylandFullScreenProbe::~WaylandFullScreenProbe() {
    for (void *h : handles_)
        zwlr_foreign_toplevel_handle_v1_destroy(static_cast<zwlr_foreign_toplevel_handle_v1 *>(h));
    // Without "stop" and its "finished" the manager is simply let go; the connection ends.
    if (manager_) wl_proxy_destroy(static_cast<wl_proxy *>(manager_));
}

bool WaylandFullScreenProbe::other_program_full_screen() {
    return !connection_->gone() && list_.other_program_full_screen();
}

} // namespace trovel

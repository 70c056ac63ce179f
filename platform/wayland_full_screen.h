// "Another program is full screen" from the compositor's own list of windows (wlroots'
// foreign-toplevel protocol: sway, Hyprland, labwc, wayfire), which also has the native
// Wayland windows that XWayland knows nothing of. Kept from the protocol's events, so the
// question at a tick is answered from memory.
//
// Trovel's windows are X windows; the compositor lists them with their X class as app_id,
// which is the application's name. That is how they are told apart: the protocol gives no
// process id, and the titles change with every tick of the countdown.
#pragma once

#include "platform/full_screen.h"
#include "platform/toplevel_list.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace trovel {

class WaylandConnection;

class WaylandFullScreenProbe : public FullScreenProbe {
public:
    // The protocol version that tells of full screen.
    static constexpr uint32_t kVersion = 2;
    static bool offered(const WaylandConnection &connection);

    WaylandFullScreenProbe(std::shared_ptr<WaylandConnection> connection, QStringList own_app_ids);
    ~WaylandFullScreenProbe() override;
    WaylandFullScreenProbe(const WaylandFullScreenProbe &) = delete;
    WaylandFullScreenProbe &operator=(const WaylandFullScreenProbe &) = delete;

    bool other_program_full_screen() override;

    // The protocol's callbacks reach the list through this (public for the listeners).
    struct Listeners;

private:
    std::shared_ptr<WaylandConnection> connection_;
    void *manager_ = nullptr; // zwlr_foreign_toplevel_manager_v1
    std::vector<void *> handles_;
    ToplevelList list_;
};

} // namespace trovel

#include "app/form_seams.h"

#include "platform/wayland_connection.h"
#include "platform/wayland_full_screen.h"
#include "platform/x11_full_screen.h"

#include <QCoreApplication>

namespace trovel {

FormSeams desktop_seams(Environment &env, const ErrorReport &report, Dialogs &dialogs) {
    const std::shared_ptr<WaylandConnection> wayland = WaylandConnection::open();
    std::unique_ptr<IdleSourceChain> idle = make_desktop_idle_source({}, wayland);
    const bool idle_time_known = !idle->empty();
    std::unique_ptr<FullScreenProbe> full_screen = std::make_unique<X11FullScreenProbe>();
    if (wayland && WaylandFullScreenProbe::offered(*wayland)) {
        // Our windows are X windows: the compositor lists them under their X class, which
        // Qt takes from the application's name.
        std::vector<std::unique_ptr<FullScreenProbe>> probes;
        probes.push_back(
            std::make_unique<WaylandFullScreenProbe>(wayland, QStringList{QCoreApplication::applicationName()}));
        probes.push_back(std::move(full_screen));
        full_screen = std::make_unique<AnyFullScreenProbe>(std::move(probes));
    }
    return FormSeams{.env = env,
                     .report = report,
                     .dialogs = dialogs,
                     .history = nullptr,
                     .idle = std::move(idle),
                     .full_screen = std::move(full_screen),
                     .call = std::make_unique<DesktopCallProbe>(),
                     .tick_timer = make_qt_platform_timer(),
                     .tray_host = make_qt_tray_host(),
                     .placer = make_desktop_window_placer(),
                     .pause_alarm = std::make_unique<TimerFdAlarm>(),
                     .idle_time_known = idle_time_known};
}

} // namespace trovel

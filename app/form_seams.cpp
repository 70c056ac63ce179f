#include "app/form_seams.h"

#include "platform/x11_full_screen.h"

namespace trovel {

FormSeams desktop_seams(Environment &env, const ErrorReport &report, Dialogs &dialogs) {
    return FormSeams{.env = env,
                     .report = report,
                     .dialogs = dialogs,
                     .history = nullptr,
                     .idle = make_desktop_idle_source(),
                     .full_screen = std::make_unique<X11FullScreenProbe>(),
                     .call = std::make_unique<DesktopCallProbe>(),
                     .tick_timer = make_qt_platform_timer(),
                     .tray_host = make_qt_tray_host(),
                     .placer = make_desktop_window_placer(),
                     .pause_alarm = std::make_unique<TimerFdAlarm>()};
}

} // namespace trovel

// Everything of the outside world the form reaches, handed to it in one struct when it is
// made: main hands in the desktop's, a test its stand-ins. The form builds none of these
// itself and none is swapped later.
#pragma once

#include "app/dialogs.h"
#include "history/history_recorder.h"
#include "platform/call_probe.h"
#include "platform/environment.h"
#include "platform/error_report.h"
#include "platform/full_screen.h"
#include "platform/idle_time.h"
#include "platform/platform_timer.h"
#include "platform/tray_host.h"
#include "platform/wall_clock_alarm.h"
#include "platform/window_placer.h"

#include <memory>

namespace trovel {

// The references must outlive the form.
struct FormSeams {
    Environment &env;          // the clock, the screens, the beep, the browser, the error box
    const ErrorReport &report; // where the errors of the form's entry points go
    Dialogs &dialogs;          // the file choosers
    // Where the cycle's events go; nullptr: the history file, opened only when the bar is
    // on the screen and also read by the statistics window.
    HistoryRecorder *history = nullptr;
    std::unique_ptr<IdleTimeSource> idle;         // asked at countdown ticks only
    std::unique_ptr<FullScreenProbe> full_screen; // asked at the tick that would start a rest
    std::unique_ptr<CallProbe> call;              // likewise; started after the bar first shows
    std::unique_ptr<PlatformTimer> tick_timer;    // wakes the tick list
    std::unique_ptr<TrayHost> tray_host;          // the notification area
    std::unique_ptr<WindowPlacer> placer;         // nullptr: the window system keeps X positions
    std::unique_ptr<WallClockAlarm> pause_alarm;  // the end of a timed pause; set only while one runs
    // False when this desktop gives no idle time at all (a Wayland session whose
    // compositor offers none): natural breaks are off for the run.
    bool idle_time_known = true;
};

// The desktop's own: its idle time and full-screen state, Qt's timer and notification
// area, the wall clock. Nothing is connected or asked before the first use, except under
// Wayland: there the compositor (on a connection of our own) and its services are asked
// once which of them tell the idle time and the windows' states.
FormSeams desktop_seams(Environment &env, const ErrorReport &report, Dialogs &dialogs);

} // namespace trovel

// libpulse's main loop interface on Qt's event loop: its io events on QSocketNotifiers,
// its time events on single-shot QTimers and its defer events on zero timers. The sound
// server's messages are then read on the GUI thread with no thread of their own, and
// nothing wakes while the server has nothing to say.
#pragma once

#include <pulse/mainloop-api.h>

#include <memory>

namespace trovel {

class PulseQtMainloop {
public:
    PulseQtMainloop();
    // Frees the events still held (their destroy callbacks run): free every context
    // made on api() first.
    ~PulseQtMainloop();
    PulseQtMainloop(const PulseQtMainloop &) = delete;
    PulseQtMainloop &operator=(const PulseQtMainloop &) = delete;

    pa_mainloop_api *api();
    // Io, time and defer events made and not yet freed.
    int live_events() const;
    // Timers that are running now: enabled defer events and armed time events.
    int armed_timers() const;

    struct Loop; // the events and the Qt objects behind them

private:
    std::unique_ptr<Loop> loop_;
};

} // namespace trovel

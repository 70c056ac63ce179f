// The never-waiting platform timer and the driver that runs fake time forward.
#include "support/fake_platform_timer.h"

#include <algorithm>

namespace trovel::test {

void FakePlatformTimer::start(int period_ms) {
    ++starts;
    started_periods.push_back(period_ms);
    period_ = period_ms;
    if (refuse) {
        running_ = false;
        return;
    }
    running_ = true;
    until_next_ = std::max(period_ms, 1);
    pending_late_ = -1;
}

void FakePlatformTimer::stop() {
    ++stops;
    running_ = false;
}

void FakePlatformTimer::fire() {
    ++ticks;
    if (on_timeout) on_timeout();
}

FakePlatformTimer &fake_timer(TRxTimerList &list) { return dynamic_cast<FakePlatformTimer &>(list.platform_timer()); }

void run_for(FakePlatformTimer &timer, uint32_t &now, uint32_t ms) {
    const uint32_t end = now + ms;
    // Read as signed, so a handler that ran past the end leaves nothing to wait.
    const auto left = [&] { return int64_t{static_cast<int32_t>(end - now)}; };
    while (timer.running_) {
        if (timer.pending_late_ < 0)
            timer.pending_late_ =
                timer.late ? std::max(timer.late(now + static_cast<uint32_t>(timer.until_next_)), 0) : 0;
        // A tick that is overdue (a handler took longer than a period) comes at once.
        const int64_t step = std::max<int64_t>(int64_t{timer.until_next_} + timer.pending_late_, 0);
        if (step > left()) break;
        now += static_cast<uint32_t>(step);
        const int period = std::max(timer.period_, 1);
        // The next tick is one period after this one was due, unless the tick itself
        // restarts the timer; a tick a whole period late lays the grid afresh.
        timer.until_next_ = timer.pending_late_ < period ? period - timer.pending_late_ : period;
        timer.pending_late_ = -1;
        const int starts = timer.starts;
        const uint32_t fired_at = now;
        timer.fire();
        if (timer.starts == starts) timer.until_next_ -= static_cast<int>(now - fired_at);
    }
    if (timer.running_ && left() > 0) timer.until_next_ -= static_cast<int>(left());
    if (left() > 0) now = end;
}

} // namespace trovel::test

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
    uint32_t left = ms;
    while (timer.running_ && static_cast<uint32_t>(timer.until_next_) <= left) {
        const auto step = static_cast<uint32_t>(timer.until_next_);
        now += step;
        left -= step;
        // The next tick is one period on, unless the tick itself restarts the timer.
        timer.until_next_ = std::max(timer.period_, 1);
        timer.fire();
    }
    if (timer.running_) timer.until_next_ -= static_cast<int>(left);
    now += left;
}

} // namespace trovel::test

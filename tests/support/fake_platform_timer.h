// A platform timer for tests that never waits: it records what the tick list asks of it,
// and run_for() moves a fake millisecond counter forward, firing the timer's ticks at the
// moments a real periodic timer would, or later when the test makes ticks come late.
#pragma once

#include "platform/rx_timer_list.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace trovel::test {

// A counter to hand to a TRxTimerList: TRxTimerList list{[&] { return clock.now; }}.
struct FakeClock {
    uint32_t now = 0;
    uint32_t operator()() const { return now; }
};

class FakePlatformTimer : public PlatformTimer {
public:
    void start(int period_ms) override;
    void stop() override;
    bool running() const override { return running_; }
    int period() const override { return period_; }

    // Calls on_timeout, as a tick of the real timer does (the list's pass).
    void fire();

    // Time until the next tick while running; a (re)start sets it to one period.
    int until_next() const { return until_next_; }

    // When set, start() leaves the timer stopped, as a platform out of timers would.
    bool refuse = false;
    // When set, the tick due at counter value `due` comes late(due) ms after it, as on a
    // loaded machine. A periodic timer keeps its own grid: the tick after a late one is
    // still due one period after the late one was due.
    std::function<int(uint32_t due)> late;

    int starts = 0;                   // calls of start()
    int stops = 0;                    // calls of stop()
    int ticks = 0;                    // calls of fire(): the passes run
    std::vector<int> started_periods; // the period of every start(), in order

private:
    friend void run_for(FakePlatformTimer &, uint32_t &, uint32_t);
    bool running_ = false;
    int period_ = 0;
    int until_next_ = 0;
    int pending_late_ = -1; // the lateness drawn for the coming tick, -1 before it is drawn
};

// The fake timer a list was made with: TRxTimerList list{counter,
// std::make_unique<FakePlatformTimer>(), test_error_report()}.
FakePlatformTimer &fake_timer(TRxTimerList &list);

// Advances now by ms. While the timer runs, now stops at each tick (every armed period,
// counted from the timer's last (re)start or tick, plus any lateness) and the tick fires; a
// tick due exactly at the end fires. A handler may move now on itself, as a slow one takes
// time: that time counts towards ms and towards the wait for the next tick. A stopped
// timer just lets the time pass.
void run_for(FakePlatformTimer &timer, uint32_t &now, uint32_t ms);
inline void run_for(TRxTimerList &, FakePlatformTimer &timer, uint32_t &now, uint32_t ms) { run_for(timer, now, ms); }

} // namespace trovel::test

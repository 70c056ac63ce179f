// Stand-ins for the desktop's idle time, full-screen state and calls: the test sets the answer
// and counts how often it was asked.
#pragma once

#include "platform/call_probe.h"
#include "platform/full_screen.h"
#include "platform/idle_time.h"
#include "platform/window_placer.h"

#include <QList>
#include <QRect>

#include <cstdint>
#include <optional>

namespace trovel::test {

class FakeIdleSource : public IdleTimeSource {
public:
    std::optional<int64_t> answer; // nothing: the desktop cannot tell
    int queries = 0;
    // A source that can watch for the user's return (as the X server's alarm does): a
    // watch holds from the last answer until input (saw_input) or the next query.
    bool can_watch = false;
    bool watching = false;

    std::optional<int64_t> idle_ms() override {
        ++queries;
        watching = false;
        return answer;
    }
    void watch_for_return() override { watching = can_watch && answer.has_value(); }
    bool quiet_since_last_answer() override { return watching; }
    void saw_input() { watching = false; }

    // The last away threshold the rule passed on, and whether answers count as kept from
    // the desktop's notifications.
    int64_t threshold_ms = 0;
    bool from_events = false;
    void set_away_threshold_ms(int64_t ms) override { threshold_ms = ms; }
    bool kept_from_events() const override { return from_events; }
};

class FakeFullScreenProbe : public FullScreenProbe {
public:
    bool answer = false;
    int queries = 0;

    bool other_program_full_screen() override {
        ++queries;
        return answer;
    }
};

// A compositor that places windows itself: the places it was told, in order.
class FakeWindowPlacer : public WindowPlacer {
public:
    QList<QRect> placed;
    void place(uint64_t, const QRect &geometry) override { placed.append(geometry); }
};

class FakeCallProbe : public CallProbe {
public:
    bool answer = false;
    int queries = 0;
    bool started = false;

    void start() override { started = true; }
    bool call_going_on() override {
        ++queries;
        return answer;
    }
};

} // namespace trovel::test

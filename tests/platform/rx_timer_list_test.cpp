// The tick list: base period, the exact pass at which each event fires, restarts from
// inside a handler, wrap of the counter, running out, errors in handlers, and the real
// QTimer wiring.
#include "platform/environment.h"
#include "platform/rx_timer_list.h"
#include "support/fake_platform_timer.h"
#include "support/test_report.h"

#include <QTest>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace trovel {
namespace {

using test::FakeClock;
using test::FakePlatformTimer;
using Times = std::vector<uint32_t>;

class TickListHarness {
protected:
    explicit TickListHarness(bool skip_idle) { list.set_skip_idle_passes(skip_idle); }

    // Times are recorded relative to t0, so a test may start the clock anywhere (even just
    // before the wrap).
    void start_clock_at(uint32_t t) { clock.now = t0 = t; }

    TRxTimerEvent &event(const QString &name, int32_t interval, bool enabled = true) {
        events.push_back(std::make_unique<TRxTimerEvent>(name));
        TRxTimerEvent &e = *events.back();
        e.setInterval(interval);
        e.setEnabled(enabled);
        e.OnTimer = [this](TRxTimerEvent &sender) {
            fired[sender.Name()].push_back(clock.now - t0);
            order.push_back(sender.Name());
        };
        list.add(&e);
        return e;
    }
    void run(uint32_t ms) { test::run_for(timer, clock.now, ms); }
    void run_until(uint32_t rel) { run(rel - (clock.now - t0)); }

    FakeClock clock{1'000'000};
    uint32_t t0 = 1'000'000;
    TRxTimerList list{[this] { return clock.now; }, std::make_unique<FakePlatformTimer>(), test::test_error_report()};
    FakePlatformTimer &timer = test::fake_timer(list);
    std::deque<std::unique_ptr<TRxTimerEvent>> events;
    std::map<QString, Times> fired;
    std::vector<QString> order;
};

// Rules that do not depend on how often the timer wakes.
class TickList : public ::testing::Test, public TickListHarness {
protected:
    TickList() : TickListHarness(false) {}
};

// When each event fires: the same whether the timer wakes at every pass of the grid or
// only at the passes where something is due.
class TickTimeline : public ::testing::TestWithParam<bool>, public TickListHarness {
protected:
    TickTimeline() : TickListHarness(GetParam()) {}
    bool every_pass() const { return !GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(Wakes, TickTimeline, ::testing::Values(false, true),
                         [](const auto &info) { return info.param ? "OnlyWhenDue" : "EveryPass"; });

TEST(TickListRules, BasePeriodAtActivation) {
    struct Case {
        const char *what;
        std::vector<std::pair<int32_t, bool>> events; // interval, enabled
        int32_t base;
    };
    const std::vector<Case> cases = {
        {"typing: countdown only, the disabled blink still shapes the grid", {{10000, true}, {300, false}}, 100},
        {"rest: countdown and blink", {{10000, true}, {300, true}}, 100},
        {"one event", {{1000, true}}, 1000},
        {"a disabled event joins the divisor search", {{1000, true}, {1500, false}}, 500},
        {"a common divisor above the floor", {{600, true}, {900, true}}, 300},
        {"no common divisor above the floor", {{700, true}, {1000, true}}, 100},
        {"shorter than the floor", {{50, true}}, 100},
        {"nothing enabled", {{1000, false}}, 0},
        {"only a zero interval enabled", {{0, true}, {1000, false}}, 0},
        {"a negative interval ends the search at the floor", {{-30, false}, {1000, true}}, 100},
        {"no events", {}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        FakeClock clk{5000};
        TRxTimerList l{[&] { return clk.now; }, std::make_unique<FakePlatformTimer>(), test::test_error_report()};
        FakePlatformTimer &t = test::fake_timer(l);
        std::deque<TRxTimerEvent> evs;
        for (auto [interval, enabled] : c.events) {
            evs.emplace_back();
            evs.back().setInterval(interval);
            evs.back().setEnabled(enabled);
            l.add(&evs.back());
        }
        l.setActive(true);
        EXPECT_TRUE(l.Active());
        EXPECT_EQ(l.BasePeriod(), c.base);
        EXPECT_EQ(t.running(), c.base > 0);
        if (c.base > 0) {
            EXPECT_EQ(t.period(), c.base);
        }
    }
}

TEST_F(TickList, ActivationSortsByIntervalKeepingTiesInOrder) {
    event("a", 10000);
    event("b", 300);
    event("c", 10000);
    event("d", 300);
    list.setActive(true);
    std::vector<QString> names;
    for (auto *e : list.Events())
        names.push_back(e->Name());
    EXPECT_EQ(names, (std::vector<QString>{"b", "d", "a", "c"}));
}

// The break cycle's own use: the countdown handler ends the typing phase by enabling the
// blink and restarting the list from inside the pass, and ends the rest the same way.
TEST_P(TickTimeline, RestartInsideTheCountdownHandler) {
    TRxTimerEvent &type = event("type", 10000);
    TRxTimerEvent &blink = event("blink", 300, false);
    auto record = type.OnTimer;
    type.OnTimer = [&](TRxTimerEvent &e) {
        record(e);
        blink.setEnabled(e.Tag == 0);
        e.Tag = 1 - e.Tag;
        list.setActive(false);
        list.setActive(true);
    };
    list.setActive(true);
    EXPECT_EQ(list.BasePeriod(), 100);
    run_until(31000);

    EXPECT_EQ(fired["type"], (Times{10000, 20000, 30000}));
    Times blinks;
    for (uint32_t t = 10300; t <= 19900; t += 300)
        blinks.push_back(t);
    blinks.insert(blinks.end(), {30300, 30600, 30900});
    EXPECT_EQ(fired["blink"], blinks); // not in the restart pass; the third pass after it
    EXPECT_EQ(list.BasePeriod(), 100); // the disabled blink leaves the grid as it was
    EXPECT_TRUE(timer.running());
    if (every_pass()) {
        EXPECT_EQ(timer.period(), 100);
        EXPECT_EQ(timer.ticks, 310);
    } else {
        EXPECT_EQ(timer.ticks, 39); // one wake-up per pass that fires
    }
}

TEST_P(TickTimeline, WhenBothAreDueTheLongerFiresFirst) {
    event("type", 600);
    event("blink", 300);
    list.setActive(true);
    run_until(600);
    EXPECT_EQ(order, (std::vector<QString>{"blink", "type", "blink"}));
}

TEST_P(TickTimeline, AnEventDisabledEarlierInThePassDoesNotFire) {
    TRxTimerEvent &type = event("type", 600);
    TRxTimerEvent &blink = event("blink", 300);
    type.OnTimer = [&](TRxTimerEvent &) { blink.setEnabled(false); };
    list.setActive(true);
    run_until(900);
    EXPECT_EQ(fired["blink"], (Times{300}));
    EXPECT_EQ(type.FireCount(), 1);
}

TEST_P(TickTimeline, EnablingAnEnabledEventChangesNothing) {
    TRxTimerEvent &e = event("type", 10000);
    list.setActive(true);
    run_until(5000);
    const int starts = timer.starts;
    e.setEnabled(true);
    EXPECT_EQ(e.LastFired(), t0);
    EXPECT_EQ(timer.starts, starts);
    run_until(12000);
    EXPECT_EQ(fired["type"], (Times{10000}));
}

TEST_P(TickTimeline, SettingActiveToItsValueDoesNothing) {
    event("type", 10000);
    list.setActive(false);
    EXPECT_EQ(timer.stops, 0);
    list.setActive(true);
    run_until(5000);
    const int starts = timer.starts;
    list.setActive(true); // does not restart the period
    EXPECT_EQ(timer.starts, starts);
    run_until(10000);
    EXPECT_EQ(fired["type"], (Times{10000}));
}

TEST_P(TickTimeline, PauseKeepsTheTimerAndEnablingRestartsThePeriod) {
    TRxTimerEvent &type = event("type", 10000);
    event("blink", 300, false);
    list.setActive(true);
    run_until(3000);
    type.setEnabled(false);
    run_until(23000);
    EXPECT_TRUE(fired["type"].empty());
    EXPECT_TRUE(list.Active());
    if (every_pass()) {
        EXPECT_TRUE(timer.running());
        EXPECT_EQ(timer.period(), 100);
    }

    run_until(23050); // between two passes
    type.setEnabled(true);
    EXPECT_EQ(type.FireCount(), 0);
    run_until(40000);
    EXPECT_EQ(fired["type"], (Times{33050})); // the grid restarts with the period
}

TEST_P(TickTimeline, ActivatingWithNothingEnabledWaitsForAnEvent) {
    TRxTimerEvent &type = event("type", 10000, false);
    event("blink", 300, false);
    list.setActive(true);
    EXPECT_TRUE(list.Active());
    EXPECT_FALSE(timer.running());
    EXPECT_EQ(timer.starts, 0);

    run_until(2000);
    type.setEnabled(true);
    EXPECT_TRUE(timer.running());
    EXPECT_EQ(timer.period(), every_pass() ? 100 : 10000);
    run_until(12500);
    EXPECT_EQ(fired["type"], (Times{12000}));

    // Re-arming an active list with nothing enabled deactivates it.
    type.setEnabled(false);
    EXPECT_TRUE(list.Active());
    type.setInterval(5000);
    EXPECT_FALSE(list.Active());
    EXPECT_FALSE(timer.running());
}

TEST_P(TickTimeline, PeriodsKeepTheirLengthAcrossTheWrap) {
    start_clock_at(0xFFFFFF00u - 10000);
    event("type", 10000);
    event("blink", 300);
    list.setActive(true);
    run_until(20500);
    EXPECT_EQ(fired["type"], (Times{10000, 20000}));
    EXPECT_EQ(fired["blink"].size(), 68u);
    EXPECT_EQ(fired["blink"].back(), 20400u);
    EXPECT_EQ(list.BasePeriod(), 100);
}

// A new interval counts from the last firing, on a grid re-armed at the change.
TEST_P(TickTimeline, NewIntervalCountsFromTheLastFiring) {
    struct Case {
        int32_t interval;
        int32_t base;
        Times fires;
    };
    const std::vector<Case> cases = {
        {400, 100, {1000, 1600, 2000, 2400, 2800, 3200, 3600, 4000}}, // overdue: fires at the next pass
        {1200, 200, {1000, 2300, 3500}},
        {2000, 1000, {1000, 3500}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.interval);
        fired.clear();
        list.setActive(false);
        TRxTimerEvent &e = event("e", 1000);
        start_clock_at(clock.now);
        list.setActive(true);
        run_until(1500);
        e.setInterval(c.interval);
        EXPECT_EQ(list.BasePeriod(), c.base);
        run_until(4000);
        EXPECT_EQ(fired["e"], c.fires);
        events.clear();
    }
}

TEST_F(TickList, NewIntervalDoesNotResort) {
    TRxTimerEvent &blink = event("blink", 300);
    event("type", 10000);
    list.setActive(true);
    blink.setInterval(20000);
    EXPECT_EQ(list.Events().front(), &blink);
    list.setActive(false);
    list.setActive(true);
    EXPECT_EQ(list.Events().back(), &blink);
}

TEST_P(TickTimeline, TimeLeftShapesTheBasePeriod) {
    event("a", 1000);
    TRxTimerEvent &b = event("b", 5000, false);
    list.setActive(true);
    run_until(700);
    b.setEnabled(true); // a is due in 300 ms: the grid shrinks to 200
    EXPECT_EQ(list.BasePeriod(), 200);
    run_until(6000);
    EXPECT_EQ(fired["a"], (Times{1100, 2100, 3100, 4100, 5100}));
    EXPECT_EQ(fired["b"], (Times{5700}));
}

TEST_P(TickTimeline, ALatePassDoesNotMakeUpMissedPeriods) {
    TRxTimerEvent &e = event("blink", 300);
    list.setActive(true);
    run_until(300);
    clock.now += 1000; // the event loop was busy
    timer.fire();
    EXPECT_EQ(e.FireCount(), 2);
    run_until(1900);
    EXPECT_EQ(fired["blink"], (Times{300, 1300, 1600, 1900}));
}

// Ticks keep to the list's grid however late the timer wakes or however long handlers
// take, as long as the lateness stays within the 50 ms tolerance: the n-th countdown tick
// comes at n * 10 s plus its own lateness only. A tick later than the tolerance moves the
// next period, which counts from the pass that fired, by one grid step and no further.
TEST_P(TickTimeline, LateTicksDoNotAddUp) {
    struct Case {
        const char *what;
        std::function<int(uint32_t)> late;     // by the tick's due time since the start
        uint32_t handler_ms;                   // what every handler takes
        bool rest;                             // the blink runs beside the countdown
        std::function<uint32_t(int)> expected; // countdown tick n (1-based) since the start
    };
    const auto grid = [](int n) { return uint32_t(n) * 10000; };
    const std::vector<Case> cases = {
        {"on time", nullptr, 0, false, grid},
        {"every pass 30 ms late", [](uint32_t) { return 30; }, 0, false, [](int n) { return n * 10000u + 30; }},
        {"on time, 40 ms in every handler", nullptr, 40, false, grid},
        {"countdown ticks 0-49 ms late by turns",
         [](uint32_t due) { return due % 10000 == 0 ? int(due / 10000 * 37 % 50) : 0; }, 20, false,
         [](int n) { return n * 10000u + n * 37 % 50; }},
        {"a rest: every pass 26 ms late, 20 ms in every handler", [](uint32_t) { return 26; }, 20, true,
         [](int n) { return n * 10000u + 26; }},
        {"the first tick 80 ms late", [](uint32_t due) { return due == 10000 ? 80 : 0; }, 0, false,
         [](int n) { return n == 1 ? 10080u : n * 10000u + 100; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        list.setActive(false);
        events.clear();
        fired.clear();
        start_clock_at(clock.now + 12345);
        timer.late = c.late ? [&](uint32_t due) { return c.late(due - t0); } : std::function<int(uint32_t)>{};
        for (auto [name, interval] : {std::pair{"type", 10000}, {"blink", 300}}) {
            TRxTimerEvent &e = event(name, interval, name == QString("type") || c.rest);
            e.OnTimer = [&, record = e.OnTimer](TRxTimerEvent &s) {
                record(s);
                clock.now += c.handler_ms;
            };
        }
        list.setActive(true);
        const int ticks_before = timer.ticks;
        run_until(300'000 + 200); // five minutes
        Times expected;
        for (int n = 1; n <= 30; ++n)
            expected.push_back(c.expected(n));
        EXPECT_EQ(fired["type"], expected);
        if (!c.rest) continue;
        // Every 300 ms of the grid, within the tolerance (a blink in the countdown's pass
        // comes after the countdown's handler).
        ASSERT_EQ(fired["blink"].size(), 1000u);
        for (size_t i = 0; i < 1000; ++i)
            EXPECT_LT(fired["blink"][i] - (i + 1) * 300, 50u) << i;
        // One wake-up per pass that fires: every tenth countdown tick shares the blink's pass.
        if (!every_pass()) {
            EXPECT_EQ(timer.ticks - ticks_before, 1000 + 30 - 10);
        }
    }
    timer.late = nullptr;
}

TEST_P(TickTimeline, NonCycledEventsRunOut) {
    struct Case {
        const char *what;
        int32_t repeat;
        bool partner;
        Times fires;
        bool active_after;
    };
    const std::vector<Case> cases = {
        {"three firings, alone", 3, false, {200, 400, 600}, false},
        {"a count of 0 still fires once", 0, false, {200}, false},
        {"three firings beside a cycled event", 3, true, {200, 400, 600}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        events.clear();
        fired.clear();
        list.setActive(false);
        start_clock_at(clock.now);
        TRxTimerEvent &e = event("short", 200);
        e.Cycled = false;
        e.RepeatCount = c.repeat;
        std::vector<bool> enabled_in_handler;
        e.OnTimer = [&, record = e.OnTimer](TRxTimerEvent &s) {
            record(s);
            enabled_in_handler.push_back(s.Enabled());
        };
        if (c.partner) event("long", 1000);
        list.setActive(true);
        run_until(2500);
        EXPECT_EQ(fired["short"], c.fires);
        EXPECT_FALSE(enabled_in_handler.back()); // decided before the handler runs
        EXPECT_FALSE(e.Enabled());
        EXPECT_EQ(list.Active(), c.active_after);
        EXPECT_EQ(timer.running(), c.active_after);
        if (c.partner) {
            EXPECT_EQ(fired["long"], (Times{1000, 2000}));
            EXPECT_EQ(list.BasePeriod(), 200);
        }
    }
}

TEST_P(TickTimeline, AnErrorInAHandlerEndsThePassAndTheTimerGoesOn) {
    TRxTimerEvent &type = event("type", 600);
    TRxTimerEvent &blink = event("blink", 300);
    type.OnTimer = [&](TRxTimerEvent &e) {
        if (e.FireCount() == 1) throw std::runtime_error("handler failed");
    };
    list.setActive(true);
    // The tick is an entry point from the event loop: the error reaches the error report
    // and goes no further.
    QStringList reported;
    {
        test::ReportedErrors errors;
        run_until(600);
        reported = errors.messages;
    }
    EXPECT_EQ(reported, QStringList{"handler failed"});
    EXPECT_EQ(clock.now - t0, 600u);
    EXPECT_EQ(blink.FireCount(), 1); // not visited in the failing pass
    EXPECT_TRUE(timer.running());
    EXPECT_EQ(blink.LastFired() - t0, 300u);
    run_until(1000);
    EXPECT_EQ(fired["blink"], (Times{300, 900})); // the 300 ms grid goes on
    EXPECT_EQ(type.FireCount(), 1);
}

TEST_F(TickList, ARefusedTimerDeactivatesAndRaises) {
    event("type", 10000);
    timer.refuse = true;
    try {
        list.setActive(true);
        FAIL() << "no error";
    } catch (const EOutOfResources &e) {
        EXPECT_STREQ(e.what(), "Not enough timers available");
    }
    EXPECT_FALSE(list.Active());
    timer.refuse = false;
    list.setActive(true);
    EXPECT_TRUE(timer.running());
}

TEST_F(TickList, EventsLeaveTheListWhenDestroyed) {
    event("a", 1000);
    event("b", 2000);
    list.setActive(true);
    events.pop_front();
    ASSERT_EQ(list.Events().size(), 1u);
    run_until(2000);
    EXPECT_EQ(fired["b"], (Times{2000}));

    auto outlived = std::make_unique<TRxTimerEvent>();
    {
        TRxTimerList other{[] { return 0u; }, std::make_unique<FakePlatformTimer>(), test::test_error_report()};
        other.add(outlived.get());
        EXPECT_EQ(outlived->List(), &other);
    }
    EXPECT_EQ(outlived->List(), nullptr);
}

TEST(TickListQt, TheRealTimerRunsPasses) {
    for (bool skip_idle : {false, true}) {
        SCOPED_TRACE(skip_idle);
        QtEnvironment env;
        TRxTimerList list{[&] { return env.tick_count(); }, make_qt_platform_timer(), test::test_error_report()};
        list.set_skip_idle_passes(skip_idle);
        TRxTimerEvent short_one, long_one;
        short_one.setInterval(100);
        long_one.setInterval(300);
        int restarts = 0;
        long_one.OnTimer = [&](TRxTimerEvent &) {
            // Restarting from inside the tick, as the break cycle does, keeps the ticks coming.
            if (++restarts <= 3) {
                list.setActive(false);
                list.setActive(true);
            }
        };
        list.add(&short_one);
        list.add(&long_one);
        list.setActive(true);
        EXPECT_EQ(list.BasePeriod(), 100);
        ASSERT_TRUE(QTest::qWaitFor([&] { return restarts >= 4; }, 5000));
        EXPECT_GE(short_one.FireCount(), 2);
        list.setActive(false);
        const int after = restarts;
        QTest::qWait(400);
        EXPECT_EQ(restarts, after);
    }
}

} // namespace
} // namespace trovel

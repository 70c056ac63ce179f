// Idle answers that are believed, the order in which sources are asked, what a
// compositor's idle notifications and window list tell, and the geometry of "covers a
// screen".
#include "platform/full_screen.h"
#include "platform/idle_notifications.h"
#include "platform/idle_time.h"
#include "platform/toplevel_list.h"
#include "support/fake_desktop.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace trovel {
namespace {

using test::FakeIdleSource;

TEST(IdleTime, OnlyBelievableAnswersCount) {
    EXPECT_EQ(plausible_idle_ms(int64_t{0}), 0);
    EXPECT_EQ(plausible_idle_ms(int64_t{60000}), 60000);
    EXPECT_EQ(plausible_idle_ms(int64_t{INT32_MAX}), INT32_MAX);
    EXPECT_FALSE(plausible_idle_ms(int64_t{-1}));
    EXPECT_FALSE(plausible_idle_ms(int64_t{INT32_MAX} + 1));
    EXPECT_FALSE(plausible_idle_ms(INT64_MIN));
    EXPECT_EQ(plausible_idle_ms(uint64_t{5}), 5);
    EXPECT_FALSE(plausible_idle_ms(uint64_t{UINT32_MAX})); // -1 through a 32-bit field
    EXPECT_FALSE(plausible_idle_ms(uint64_t{1} << 63));
    EXPECT_FALSE(plausible_idle_ms(UINT64_MAX));
}

TEST(IdleTime, ChainGivesTheFirstAnswerAndAsksNoFurther) {
    struct Case {
        std::optional<int64_t> first, second, third;
        std::optional<int64_t> expected;
        int third_queries;
        int watching; // which source a watch reaches (1-3), 0: none
    };
    const Case cases[] = {
        {1000, 2000, 3000, 1000, 0, 1},
        {std::nullopt, 2000, 3000, 2000, 0, 2},
        {std::nullopt, std::nullopt, 3000, 3000, 1, 3},
        {std::nullopt, std::nullopt, std::nullopt, std::nullopt, 1, 0},
    };
    for (const Case &c : cases) {
        auto a = std::make_unique<FakeIdleSource>(), b = std::make_unique<FakeIdleSource>(),
             x = std::make_unique<FakeIdleSource>();
        a->answer = c.first;
        b->answer = c.second;
        x->answer = c.third;
        FakeIdleSource *third = x.get();
        FakeIdleSource *each[] = {a.get(), b.get(), x.get()};
        std::vector<std::unique_ptr<IdleTimeSource>> sources;
        sources.push_back(std::move(a));
        sources.push_back(std::move(b));
        sources.push_back(std::move(x));
        IdleSourceChain chain(std::move(sources));
        EXPECT_EQ(chain.idle_ms(), c.expected);
        EXPECT_EQ(third->queries, c.third_queries);
        // A watch goes to the source that answered, and its word alone counts.
        for (FakeIdleSource *f : each)
            f->can_watch = true;
        chain.watch_for_return();
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(each[i]->watching, c.watching == i + 1) << "source " << i + 1;
        EXPECT_EQ(chain.quiet_since_last_answer(), c.watching != 0);
        if (c.watching) each[c.watching - 1]->saw_input();
        EXPECT_FALSE(chain.quiet_since_last_answer());
    }
}

TEST(IdleTime, ChainPassesOverAnIdleTimeThatDoesNotGrowWithTheClock) {
    // The first source's answer at each step, ticks 10 s apart unless a step says more;
    // the second always answers 42, so a passed-over answer shows as 42.
    struct Step {
        int64_t after_ms;
        std::optional<int64_t> first;
        std::optional<int64_t> expected;
    };
    struct Case {
        const char *what;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"stuck at 10 minutes: passed over from the second answer on, until it makes sense again",
         {{0, 600000, 600000}, {10000, 600000, 42}, {10000, 600000, 42}, {10000, 4000, 4000}, {10000, 14000, 14000}}},
        {"grows with the clock", {{0, 600000, 600000}, {10000, 610000, 610000}, {60000, 670000, 670000}}},
        {"within the tolerance of the clock", {{0, 600000, 600000}, {10000, 608500, 608500}}},
        {"grows at a tenth of the clock's pace", {{0, 600000, 600000}, {10000, 601000, 42}}},
        {"the user back", {{0, 600000, 600000}, {10000, 3000, 3000}}},
        {"the user back and away again since", {{0, 600000, 600000}, {60000, 45000, 45000}}},
        {"short idle times that stay short", {{0, 3000, 3000}, {10000, 3000, 3000}, {10000, 9000, 9000}}},
        {"claims the user gone since before the last answer, and less than it",
         {{0, 600000, 600000}, {10000, 300000, 42}, {10000, 310000, 310000}}},
        {"unknown in between: compared with the answer before",
         {{0, 600000, 600000}, {10000, std::nullopt, 42}, {10000, 600000, 42}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        int64_t now = 5000000;
        auto first = std::make_unique<FakeIdleSource>(), second = std::make_unique<FakeIdleSource>();
        FakeIdleSource *stuck = first.get();
        second->answer = 42;
        std::vector<std::unique_ptr<IdleTimeSource>> sources;
        sources.push_back(std::move(first));
        sources.push_back(std::move(second));
        IdleSourceChain chain(std::move(sources), [&now] { return now; });
        for (const Step &step : c.steps) {
            now += step.after_ms;
            stuck->answer = step.first;
            EXPECT_EQ(chain.idle_ms(), step.expected) << "at +" << step.after_ms;
        }
    }
}

TEST(IdleTime, ChainTakesNotifiedAnswersAsTheyAreAndPassesTheThresholdOn) {
    // Below the timeout an answer kept from notifications stands still: not a stuck service.
    int64_t now = 5000000;
    auto notified = std::make_unique<FakeIdleSource>(), second = std::make_unique<FakeIdleSource>();
    FakeIdleSource *first = notified.get(), *other = second.get();
    first->answer = 59999;
    first->from_events = true;
    second->answer = 42;
    std::vector<std::unique_ptr<IdleTimeSource>> sources;
    sources.push_back(std::move(notified));
    sources.push_back(std::move(second));
    IdleSourceChain chain(std::move(sources), [&now] { return now; });
    for (int tick = 0; tick < 3; ++tick, now += 10000)
        EXPECT_EQ(chain.idle_ms(), 59999) << "tick " << tick;
    chain.set_away_threshold_ms(120000);
    EXPECT_EQ(first->threshold_ms, 120000);
    EXPECT_EQ(other->threshold_ms, 120000);
}

TEST(IdleTime, SourcesBySession) {
    using K = IdleSourceKind;
    struct Case {
        const char *what;
        IdleSourcesFound found;
        std::vector<K> expected;
    };
    const Case cases[] = {
        {"X11: the X server", {}, {K::x_server}},
        {"X11 with a Wayland display beside it: its protocol, then the X server",
         {.kde_idle = true},
         {K::kde_idle, K::x_server}},
        {"X11: services on the bus are not asked",
         {.gnome_idle_monitor = true, .freedesktop_screen_saver = true},
         {K::x_server}},
        {"GNOME", {.wayland_session = true, .gnome_idle_monitor = true}, {K::gnome_idle_monitor}},
        {"everything: services first, the newer protocol only",
         {true, true, true, true, true},
         {K::gnome_idle_monitor, K::freedesktop_screen_saver, K::ext_idle_notify}},
        {"sway 1.7", {.wayland_session = true, .kde_idle = true}, {K::kde_idle}},
        {"KDE Plasma",
         {.wayland_session = true, .freedesktop_screen_saver = true, .ext_idle_notify = true},
         {K::freedesktop_screen_saver, K::ext_idle_notify}},
        {"a compositor that tells nothing: never the X server", {.wayland_session = true}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(idle_sources_for(c.found), c.expected);
    }
}

TEST(IdleNotifications, EventsMakeAnIdleTimeWhoseSpellKeepsItsStart) {
    // One minute timeout made at 0 (id 1). Each step is an event or a change, then the
    // idle time read at `read_at` (a spell's start is read_at - idle).
    enum Op { idled, resumed, timeout, gone };
    struct Step {
        Op op;
        IdleNotifications::Id id; // the notification (idled, resumed) or the new timeout
        int64_t at;
        int64_t read_at;
        std::optional<int64_t> expected;
    };
    struct Case {
        const char *what;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"away a minute, read later: the spell starts a minute before the event",
         {{idled, 1, 100000, 100000, 60000}, {idled, 1, 100000, 130000, 90000}, {resumed, 1, 140000, 141000, 1000}}},
        {"not yet idled: below the timeout", {{resumed, 1, 5000, 9000, 59999}}},
        {"a second idled keeps the first one's time",
         {{idled, 1, 100000, 100000, 60000}, {idled, 1, 120000, 130000, 90000}}},
        {"resumed before any idled is ignored", {{resumed, 1, 20000, 30000, 59999}}},
        {"back: the time since the return, until it nears the timeout",
         {{idled, 1, 100000, 100000, 60000}, {resumed, 1, 110000, 150000, 40000}, {resumed, 1, 110000, 500000, 59999}}},
        {"events of a notification that is not ours",
         {{idled, 7, 100000, 100000, 59999}, {idled, 1, 100000, 100000, 60000}, {resumed, 7, 110000, 120000, 80000}}},
        {"the rest length grows during a spell: the spell keeps its start",
         {{idled, 1, 100000, 100000, 60000},
          {timeout, 120000, 110000, 110000, 70000},
          {idled, 2, 230000, 240000, 200000},
          {resumed, 2, 250000, 250000, 0},
          {resumed, 1, 250000, 255000, 5000}}},
        {"the rest length shrinks during a spell",
         {{idled, 1, 100000, 100000, 60000},
          {timeout, 30000, 110000, 110000, 70000},
          {resumed, 1, 150000, 160000, 10000},
          {idled, 2, 180000, 190000, 40000}}},
        {"changed twice during a spell: still the first one's start",
         {{idled, 1, 100000, 100000, 60000},
          {timeout, 120000, 110000, 110000, 70000},
          {timeout, 300000, 115000, 130000, 90000},
          {idled, 2, 230000, 240000, 200000},
          {resumed, 1, 250000, 255000, 5000}}},
        {"changed while not away: the new timeout from the start",
         {{timeout, 120000, 30000, 40000, 119999},
          {idled, 1, 100000, 100000, 119999},
          {idled, 2, 150000, 150000, 120000}}},
        {"the same length again changes nothing",
         {{idled, 1, 100000, 100000, 60000},
          {timeout, 60000, 110000, 110000, 70000},
          {idled, 1, 100000, 120000, 80000}}},
        {"the compositor gone: nothing known, whatever comes after",
         {{idled, 1, 100000, 100000, 60000},
          {gone, 0, 110000, 110000, std::nullopt},
          {idled, 1, 120000, 120000, std::nullopt},
          {timeout, 120000, 130000, 130000, std::nullopt}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        IdleNotifications n;
        EXPECT_EQ(n.idle_ms(0), std::nullopt) << "before any timeout";
        EXPECT_EQ(n.set_timeout(60000), (IdleNotifications::Changes{1, {}}));
        for (const Step &step : c.steps) {
            switch (step.op) {
            case idled:
                n.idled(step.id, step.at);
                break;
            case resumed:
                n.resumed(step.id, step.at);
                break;
            case timeout:
                n.set_timeout(step.id);
                break;
            case gone:
                n.gone();
                break;
            }
            EXPECT_EQ(n.idle_ms(step.read_at), step.expected) << "step at " << step.at;
        }
    }
}

TEST(IdleNotifications, WhatToMakeAndDrop) {
    using C = IdleNotifications::Changes;
    IdleNotifications n;
    EXPECT_EQ(n.set_timeout(0), C{});
    EXPECT_EQ(n.set_timeout(60000), (C{1, {}}));
    EXPECT_EQ(n.set_timeout(60000), C{});
    EXPECT_EQ(n.set_timeout(120000), (C{2, {1}})); // not idled: the old one goes at once
    n.idled(2, 200000);
    EXPECT_EQ(n.set_timeout(60000), (C{3, {}}));   // idled: kept until the user is back
    EXPECT_EQ(n.set_timeout(300000), (C{4, {3}})); // the newer one goes, the first idled stays
    EXPECT_EQ(n.resumed(2, 250000), (C{std::nullopt, {2}}));
    EXPECT_EQ(n.timeout_ms(), 300000);
    n.gone();
    EXPECT_EQ(n.set_timeout(60000), C{});
}

TEST(FullScreen, ToplevelsOfOtherProgramsInFrontAndFullScreen) {
    // Window 1 is another program's, window 2 is ours (app_id "trovel").
    enum Op { state1, state2, done1, done2, closed1, gone };
    struct Case {
        const char *what;
        std::vector<std::pair<Op, std::pair<bool, bool>>> events; // (activated, full screen) for states
        bool expected;
    };
    const Case cases[] = {
        {"another program active and full screen", {{state1, {true, true}}, {done1, {}}}, true},
        {"not applied before its done", {{state1, {true, true}}}, false},
        {"full screen in the background", {{state1, {false, true}}, {done1, {}}}, false},
        {"active, not full screen", {{state1, {true, false}}, {done1, {}}}, false},
        {"ours active and full screen", {{state2, {true, true}}, {done2, {}}}, false},
        {"left full screen again", {{state1, {true, true}}, {done1, {}}, {state1, {true, false}}, {done1, {}}}, false},
        {"closed", {{state1, {true, true}}, {done1, {}}, {closed1, {}}}, false},
        {"events after it closed", {{closed1, {}}, {state1, {true, true}}, {done1, {}}}, false},
        {"the compositor gone", {{state1, {true, true}}, {done1, {}}, {gone, {}}}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ToplevelList list({QStringLiteral("trovel")});
        list.added(1);
        list.app_id(1, QStringLiteral("foot"));
        list.added(2);
        list.app_id(2, QStringLiteral("trovel"));
        list.done(1);
        list.done(2);
        for (const auto &[op, flags] : c.events) {
            switch (op) {
            case state1:
                list.state(1, flags.first, flags.second);
                break;
            case state2:
                list.state(2, flags.first, flags.second);
                break;
            case done1:
                list.done(1);
                break;
            case done2:
                list.done(2);
                break;
            case closed1:
                list.closed(1);
                break;
            case gone:
                list.gone();
                break;
            }
        }
        EXPECT_EQ(list.other_program_full_screen(), c.expected);
    }
}

TEST(FullScreen, CoversAScreen) {
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    struct Case {
        const char *what;
        QRect window;
        bool covers;
    };
    const Case cases[] = {
        {"exactly the first screen", QRect(0, 0, 1920, 1080), true},
        {"exactly the second screen", QRect(1920, 0, 1280, 1024), true},
        {"both screens", QRect(0, 0, 3200, 1080), true},
        {"one pixel short", QRect(0, 0, 1920, 1079), false},
        {"one pixel off", QRect(1, 0, 1920, 1080), false},
        {"a maximised window below a panel", QRect(0, 26, 1920, 1054), false},
        {"across the seam, covering neither", QRect(960, 0, 1920, 1080), false},
        {"empty", QRect(), false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(covers_a_screen(c.window, screens), c.covers);
    }
    EXPECT_FALSE(covers_a_screen(QRect(0, 0, 100, 100), {QRect()})); // an unknown screen is not covered
}

} // namespace
} // namespace trovel

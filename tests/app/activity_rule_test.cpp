// Natural breaks and the full-screen wait, tick by tick, through a model of the typing and
// rest countdowns that calls the rule as the form's countdown tick does.
#include "app/activity_rule.h"
#include "platform/idle_notifications.h"
#include "support/fake_desktop.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace trovel::test {
namespace {

constexpr int64_t kMinute = 60000;

// A compositor's idle notifications as wlroots keeps them, read through IdleNotifications:
// each says "idled" a timeout after the later of its making and the last input, and
// "resumed" at the next input.
class NotifiedIdle : public IdleTimeSource {
public:
    NotifiedIdle(const uint32_t &now, int64_t last_input) : now_(now), last_input_(last_input) {}
    void input(int64_t at) {
        advance(); // what was due before the input
        last_input_ = at;
        std::vector<Id> back;
        for (auto &[id, n] : live_)
            if (std::exchange(n.idled, false)) back.push_back(id);
        for (const Id id : back)
            apply(state_.resumed(id, at));
    }
    std::optional<int64_t> idle_ms() override {
        advance();
        return state_.idle_ms(now_);
    }
    void set_away_threshold_ms(int64_t ms) override {
        advance();
        apply(state_.set_timeout(ms));
    }
    bool kept_from_events() const override { return true; }

private:
    using Id = IdleNotifications::Id;
    struct Live {
        int64_t made_at, timeout;
        bool idled = false;
    };
    void advance() {
        for (auto &[id, n] : live_) {
            const int64_t fires = std::max(n.made_at, last_input_) + n.timeout;
            if (!n.idled && fires <= now_) {
                n.idled = true;
                apply(state_.idled(id, fires));
            }
        }
    }
    void apply(const IdleNotifications::Changes &changes) {
        for (const Id id : changes.drop)
            live_.erase(id);
        if (changes.make) live_[*changes.make] = {now_, state_.timeout_ms()};
    }
    const uint32_t &now_;
    int64_t last_input_;
    IdleNotifications state_;
    std::map<Id, Live> live_;
};

// The break cycle reduced to what the rule touches: 10-second ticks, a typing countdown
// that ends at its length (as 1 to 10 minutes do), a rest that runs its course and then
// lowers the ignored count, and a user whose last input the test sets.
struct Cycle {
    int type_minutes = 5;
    bool one = true, two = false, five = false; // the rest items; 1 minute is the design value
    ActivityRule::Options options;
    ActivityRule rule;
    FakeIdleSource idle;
    FakeFullScreenProbe full_screen;
    FakeCallProbe call;
    uint32_t now = 1000000;
    uint32_t last_input = now;
    bool idle_known = true;
    bool resting = false;
    int elapsed = 0; // seconds of the running countdown
    int ignored = 0;
    int rests = 0;
    int64_t slept = 0; // suspended since the last tick
    ActivityRule::Verdict last;
    // Idle time from notifications instead of answers, when set; and what each typing
    // tick decided.
    std::unique_ptr<NotifiedIdle> notified;
    std::vector<std::tuple<bool, bool, bool, std::optional<int64_t>>> verdicts;

    void dec_ignored() { ignored = ignored > 0 ? ignored - 1 : 0; }
    void user_acts() {
        last_input = now;
        idle.saw_input();
        if (notified) notified->input(now);
    }
    void take_a_break() {
        dec_ignored();
        start_rest();
    }
    void start_rest() {
        resting = true;
        elapsed = 0;
        ++rests;
    }
    // One tick; `input`: the user pressed a key just before it.
    void tick(bool input = false) {
        now += 10000;
        if (input) user_acts();
        elapsed += 10;
        last = {};
        if (resting) {
            if (elapsed >= rest_seconds_now(one, two, five, type_minutes)) {
                dec_ignored();
                rule.rest_counted(now);
                resting = false;
                elapsed = 0;
            }
            return;
        }
        idle.answer = idle_known ? std::optional<int64_t>(now - last_input) : std::nullopt;
        IdleTimeSource &source = notified ? static_cast<IdleTimeSource &>(*notified) : idle;
        last = rule.typing_tick({now, rest_seconds_now(one, two, five, type_minutes), elapsed >= type_minutes * 60,
                                 std::exchange(slept, 0)},
                                options, source, full_screen, &call);
        verdicts.emplace_back(last.natural_break, last.hold_full_length, last.rest_waits, last.away_ms);
        if (last.natural_break) dec_ignored();
        if (last.hold_full_length)
            elapsed = 0;
        else if (elapsed >= type_minutes * 60 && !last.rest_waits)
            start_rest();
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            tick();
    }
    // Ticks with the user at the keyboard.
    void busy_ticks(int n) {
        for (int i = 0; i < n; ++i)
            tick(true);
    }
};

TEST(ActivityRule, RestLengthIsTheLastCheckedItemOrTheTypingLength) {
    EXPECT_EQ(rest_seconds_now(true, false, false, 7), 60);
    EXPECT_EQ(rest_seconds_now(false, true, false, 7), 120);
    EXPECT_EQ(rest_seconds_now(true, false, true, 7), 300);
    EXPECT_EQ(rest_seconds_now(false, false, false, 7), 420);
}

TEST(ActivityRule, NaturalBreakNeedsIdleOfAtLeastTheRestLength) {
    struct Case {
        const char *what;
        bool one, two, five;
        std::optional<int64_t> idle;
        bool natural_break;
    };
    const Case cases[] = {
        {"1 min rest, 1 ms short", true, false, false, kMinute - 1, false},
        {"1 min rest, exactly", true, false, false, kMinute, true},
        {"2 min rest, 1 ms short", false, true, false, 2 * kMinute - 1, false},
        {"2 min rest, exactly", false, true, false, 2 * kMinute, true},
        {"5 min rest, 4 min idle", false, false, true, 4 * kMinute, false},
        {"no rest item: the 3 min typing length, 1 ms short", false, false, false, 3 * kMinute - 1, false},
        {"no rest item: the 3 min typing length, exactly", false, false, false, 3 * kMinute, true},
        {"unknown", true, false, false, std::nullopt, false},
        {"-1 from a failing source", true, false, false, -1, false},
        {"2^63 - 1 from a broken source", true, false, false, INT64_MAX, false},
        {"just over the believable range", true, false, false, kMaxPlausibleIdleMs + 1, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ActivityRule rule;
        FakeIdleSource idle;
        FakeFullScreenProbe full_screen;
        idle.answer = c.idle;
        const auto v =
            rule.typing_tick({5000, rest_seconds_now(c.one, c.two, c.five, 3), false}, {}, idle, full_screen);
        EXPECT_EQ(v.natural_break, c.natural_break);
        EXPECT_EQ(v.hold_full_length, c.natural_break);
        EXPECT_EQ(full_screen.queries, 0);
    }
}

TEST(ActivityRule, IdleSpellCountsOnceHoldsTheCountdownAndEndsWhenTheUserIsBack) {
    for (const int ignored : {0, 2}) {
        SCOPED_TRACE(ignored);
        Cycle c;
        c.ignored = ignored;
        c.busy_ticks(10); // 100 s typed, then the user leaves
        c.ticks(5);       // idle 10 .. 50 s
        EXPECT_EQ(c.elapsed, 150);
        EXPECT_FALSE(c.last.hold_full_length);
        c.tick(); // idle 60 s: a rest's length
        EXPECT_TRUE(c.last.natural_break);
        EXPECT_TRUE(c.last.hold_full_length);
        EXPECT_EQ(c.elapsed, 0);
        EXPECT_EQ(c.ignored, ignored > 0 ? ignored - 1 : 0);
        // Away for 20 minutes more: the bar stays full, the count is not lowered again,
        // and no rest comes although the typing length passes four times.
        for (int i = 0; i < 120; ++i) {
            c.tick();
            ASSERT_FALSE(c.last.natural_break) << "tick " << i;
            ASSERT_TRUE(c.last.hold_full_length) << "tick " << i;
            ASSERT_FALSE(c.last.away_ms) << "tick " << i;
        }
        EXPECT_EQ(c.rests, 0);
        EXPECT_EQ(c.ignored, ignored > 0 ? ignored - 1 : 0);
        c.busy_ticks(1); // back: counts on from the full length
        EXPECT_FALSE(c.last.hold_full_length);
        EXPECT_EQ(c.elapsed, 10);
        ASSERT_TRUE(c.last.away_ms);
        EXPECT_EQ(*c.last.away_ms, 21 * kMinute); // the longest idle time the ticks saw
        c.busy_ticks(29);
        EXPECT_EQ(c.rests, 1); // a normal five-minute phase after the return
    }
}

TEST(ActivityRule, IdleNotificationsGiveTheBreaksThatAnsweredIdleTimesGive) {
    // The same user, once with a source that answers the idle time and once with the
    // compositor's notifications after a rest's length: the same verdict at every tick.
    struct Scenario {
        const char *what;
        std::function<void(Cycle &)> run;
    };
    const Scenario scenarios[] = {
        {"away 21 minutes",
         [](Cycle &c) {
             c.busy_ticks(10);
             c.ticks(126);
             c.busy_ticks(30);
         }},
        {"away across the end of a phase, through a rest, and back during one",
         [](Cycle &c) {
             c.busy_ticks(25);
             c.ticks(51);
             c.tick(true);
             c.ticks(9);
             c.take_a_break();
             c.ticks(7);
             c.tick(true);
             c.take_a_break();
             c.ticks(3);
             c.user_acts();
             c.ticks(4);
         }},
        {"the rest length grows during a spell that counted",
         [](Cycle &c) {
             c.busy_ticks(10);
             c.ticks(8);
             c.one = false;
             c.two = true;
             c.ticks(10);
             c.busy_ticks(3);
             c.ticks(14);
             c.busy_ticks(2);
         }},
        {"the rest length shrinks during a spell that counted",
         [](Cycle &c) {
             c.one = false;
             c.two = true;
             c.busy_ticks(10);
             c.ticks(14);
             c.one = true;
             c.two = false;
             c.ticks(5);
             c.busy_ticks(3);
             c.ticks(7);
         }},
    };
    for (const Scenario &s : scenarios) {
        SCOPED_TRACE(s.what);
        Cycle asked, notified;
        notified.notified = std::make_unique<NotifiedIdle>(notified.now, notified.now);
        s.run(asked);
        s.run(notified);
        EXPECT_EQ(notified.verdicts, asked.verdicts);
        EXPECT_EQ(notified.rests, asked.rests);
        EXPECT_EQ(notified.ignored, asked.ignored);
        EXPECT_TRUE(std::any_of(asked.verdicts.begin(), asked.verdicts.end(), [](const auto &v) {
            return std::get<0>(v);
        })) << "no natural break at all";
    }
}

TEST(ActivityRule, AHandsOffRestToldByTheCompositorStandsStillWithinTenSecondsOfInput) {
    // The notification is made for 10 s at the rest's first tick and says so 10 s later:
    // that first tick does not count, though an answered idle time would let it.
    uint32_t now = 1000000;
    NotifiedIdle idle(now, now);
    ActivityRule rule;
    idle.set_away_threshold_ms(kMinute); // as the typing phase left it
    struct Tick {
        bool input; // a key just before the tick
        bool counts;
    };
    const Tick ticks[] = {{false, false}, {false, true}, {true, false}, {false, true},
                          {true, false},  {true, false}, {false, true}, {false, true}};
    int i = 0;
    for (const Tick &t : ticks) {
        now += 10000;
        if (t.input) idle.input(now);
        EXPECT_EQ(rule.rest_tick_counts(now, true, idle), t.counts) << "tick " << i++;
    }
    // The next typing tick: the user still away, since the last input 30 s ago.
    now += 10000;
    FakeFullScreenProbe full_screen;
    rule.typing_tick({now, 60, false}, {}, idle, full_screen);
    EXPECT_EQ(idle.idle_ms(), 30000) << "the spell keeps its start";
}

TEST(ActivityRule, IdleSpellAcrossTheEndOfATypingPhase) {
    // Left 50 s before the end: the rest starts as usual and runs its course, and that
    // rest was the break. The spell, a rest long in the next typing phase, holds the
    // countdown but counts no second time, and is no natural break when the user is back.
    Cycle c;
    c.ignored = 3;
    c.busy_ticks(25);
    c.ticks(5);
    EXPECT_EQ(c.rests, 1);
    c.ticks(6); // the rest
    EXPECT_FALSE(c.resting);
    EXPECT_EQ(c.ignored, 2);
    for (int i = 0; i < 40; ++i) { // idle 2 min and on, longer than the typing length
        c.tick();
        ASSERT_FALSE(c.last.natural_break) << i;
        ASSERT_TRUE(c.last.hold_full_length) << i;
    }
    EXPECT_EQ(c.ignored, 2);
    EXPECT_EQ(c.rests, 1);
    c.tick(true);
    EXPECT_FALSE(c.last.away_ms);
    // Input began a new spell: a rest long, it counts.
    c.ticks(6);
    EXPECT_TRUE(c.last.natural_break);
    EXPECT_EQ(c.ignored, 1);

    // A spell that counted goes on through a break taken from the menu: still one spell,
    // no second count, the hold goes on after the rest, and it is recorded when the user
    // is back.
    c.ticks(3);
    c.take_a_break();
    EXPECT_EQ(c.ignored, 0);
    c.ticks(6);
    EXPECT_FALSE(c.resting);
    c.tick();
    EXPECT_FALSE(c.last.natural_break);
    EXPECT_TRUE(c.last.hold_full_length);
    EXPECT_FALSE(c.last.away_ms);
    c.tick(true);
    EXPECT_TRUE(c.last.away_ms);

    // Back during a rest: the next typing phase runs normally.
    c.take_a_break();
    c.ticks(3);
    c.user_acts();
    c.ticks(3);
    EXPECT_FALSE(c.resting);
    c.tick();
    EXPECT_FALSE(c.last.hold_full_length);
    EXPECT_FALSE(c.last.away_ms);
    EXPECT_EQ(c.elapsed, 10);
}

TEST(ActivityRule, ASleepARestLongIsANaturalBreak) {
    struct Case {
        const char *what;
        bool natural_breaks;
        int busy_before;  // ticks typed before the lid closes
        int idle_before;  // then ticks away before it
        int64_t slept_ms; // how long it slept
        bool input_after; // a key at the first tick after waking
        bool natural_break;
        int ignored_after;
        std::optional<int64_t> recorded_ms; // slept_ms of the verdict
    };
    const Case cases[] = {
        {"a night in the middle of typing", true, 10, 0, 8 * 3600 * 1000LL, true, true, 1, 8 * 3600 * 1000LL},
        {"a night, and no key after it: the stillness counts once", true, 10, 0, 8 * 3600 * 1000LL, false, true, 1,
         8 * 3600 * 1000LL},
        {"exactly a rest long", true, 10, 0, kMinute, true, true, 1, kMinute},
        {"1 ms short: no break, the countdown goes on", true, 10, 0, kMinute - 1, true, false, 2, std::nullopt},
        {"natural breaks off: as if it never slept", false, 10, 0, 8 * 3600 * 1000LL, true, false, 2, std::nullopt},
        {"away already, counted: the sleep adds to that spell", true, 0, 7, 8 * 3600 * 1000LL, false, false, 1,
         std::nullopt},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.what);
        Cycle c;
        c.options.natural_breaks = k.natural_breaks;
        c.ignored = 2;
        c.busy_ticks(k.busy_before);
        c.ticks(k.idle_before);
        const int elapsed = c.elapsed;
        c.slept = k.slept_ms;
        c.tick(k.input_after);
        EXPECT_EQ(c.last.natural_break, k.natural_break);
        EXPECT_EQ(c.last.slept_ms, k.recorded_ms);
        EXPECT_EQ(c.ignored, k.ignored_after);
        EXPECT_EQ(c.elapsed, k.natural_break || k.idle_before > 0 ? 0 : elapsed + 10);
        // Back at the keyboard, or still away after waking: the same stillness gives no
        // second break.
        c.ticks(k.input_after ? 5 : 12);
        EXPECT_EQ(c.ignored, k.ignored_after);
        EXPECT_EQ(c.rests, 0);
        c.tick(true);
        if (k.idle_before > 0) {
            EXPECT_EQ(c.last.away_ms, 200000 + k.slept_ms) << "the sleep is time away";
        }
    }
}

TEST(ActivityRule, ANewSpellAfterAReturnCountsAgain) {
    Cycle c;
    c.ticks(6);
    EXPECT_TRUE(c.last.natural_break);
    c.busy_ticks(1);
    c.ticks(6);
    EXPECT_TRUE(c.last.natural_break);
}

TEST(ActivityRule, SpellsAreToldApartAcrossTheCountersWrap) {
    Cycle c;
    c.now = UINT32_MAX - 25000;
    c.user_acts();
    c.ticks(6); // the counter wraps during the spell
    EXPECT_TRUE(c.last.natural_break);
    c.ticks(3);
    EXPECT_FALSE(c.last.natural_break);
    EXPECT_TRUE(c.last.hold_full_length);
    EXPECT_LT(c.now, 100000u);
}

TEST(ActivityRule, UnknownIdleEndsAHoldAndNeverStartsOne) {
    Cycle c;
    c.ticks(6);
    EXPECT_TRUE(c.last.hold_full_length);
    c.idle_known = false;
    c.tick();
    EXPECT_FALSE(c.last.hold_full_length);
    EXPECT_EQ(c.elapsed, 10);
    c.ticks(29);
    EXPECT_EQ(c.rests, 1);
}

TEST(ActivityRule, AStuckIdleServiceGivesOneNaturalBreakNotOneAtEveryTick) {
    // A service that answers 10 minutes at every tick, behind the chain the form gets:
    // the countdown is held at the first tick only, and the spell is recorded once.
    struct Case {
        const char *what;
        std::optional<int64_t> next_source; // the source after the stuck one
    };
    const Case cases[] = {
        {"no other source: unknown, clock time counts", std::nullopt},
        {"the next source tells the user is at the keyboard", 1000},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.what);
        uint32_t now = 1000000;
        auto stuck = std::make_unique<FakeIdleSource>(), next = std::make_unique<FakeIdleSource>();
        stuck->answer = 600000;
        next->answer = k.next_source;
        std::vector<std::unique_ptr<IdleTimeSource>> sources;
        sources.push_back(std::move(stuck));
        sources.push_back(std::move(next));
        IdleSourceChain chain(std::move(sources), [&now] { return int64_t{now}; });
        ActivityRule rule;
        FakeFullScreenProbe full_screen;
        int natural_breaks = 0, held = 0, returns = 0;
        for (int tick = 0; tick < 8; ++tick) { // 75 s
            now += 10000;
            const auto v = rule.typing_tick({now, 60, false}, {}, chain, full_screen);
            natural_breaks += v.natural_break;
            held += v.hold_full_length;
            returns += v.away_ms.has_value();
        }
        EXPECT_EQ(natural_breaks, 1);
        EXPECT_EQ(held, 1);
        EXPECT_EQ(returns, 1);
    }
}

TEST(ActivityRule, TheSourceIsAskedOnlyWhenTheIdleTimeCouldHaveReachedARest) {
    // The last reading plus the time since bounds the idle time; a source asked at every
    // tick would cost a round trip to the X server, and a wake-up, each time.
    struct Case {
        const char *what;
        bool one, two, five;
        int input_every; // ticks between key presses; 0: nobody at the keyboard
        int ticks;
        int queries;
        bool watching = false;
    };
    const Case cases[] = {
        {"1 min rest, typing all the time: every sixth tick", true, false, false, 1, 60, 10},
        {"5 min rest, typing all the time: every thirtieth tick", false, false, true, 1, 60, 2},
        {"1 min rest, a key every 40 s: the bound runs out at the fifth tick after one", true, false, false, 4, 60, 15},
        {"1 min rest, away: every tick from the sixth, as the hold needs", true, false, false, 0, 60, 56},
        {"1 min rest, away, a source that watches for the return: at the first tick and the spell's start", true, false,
         false, 0, 60, 2, true},
        {"1 min rest, back every 2 min, a watching source: at the first tick, then at each spell's start and end", true,
         false, false, 12, 60, 1 + 5 * 2, true},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.what);
        Cycle c;
        c.idle.can_watch = k.watching;
        c.type_minutes = 30;
        c.one = k.one, c.two = k.two, c.five = k.five;
        for (int i = 1; i <= k.ticks; ++i)
            c.tick(k.input_every > 0 && i % k.input_every == 0);
        EXPECT_EQ(c.idle.queries, k.queries);
    }
}

TEST(ActivityRule, ASourceThatWatchesForTheReturnDecidesAtTheSameTicks) {
    // The same user with a source asked at every held tick and one that watches: every
    // verdict matches, the time away included, with far fewer questions.
    struct Case {
        const char *what;
        std::vector<int> input_at; // ticks with a key press just before
        int ticks;
        int rest_at = -1; // a break taken from the menu before this tick
    };
    const Case cases[] = {
        {"away 20 minutes, then back", {1, 2, 3, 130, 131}, 160},
        {"two spells, the second one back after a minute", {5, 20, 40}, 60},
        {"back during a rest taken from the menu", {3, 33}, 60, 30},
        {"nobody ever at the keyboard", {}, 200},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.what);
        Cycle asked, watched;
        watched.idle.can_watch = true;
        for (int i = 1; i <= k.ticks; ++i) {
            const bool input = std::find(k.input_at.begin(), k.input_at.end(), i) != k.input_at.end();
            for (Cycle *c : {&asked, &watched}) {
                if (i == k.rest_at) c->take_a_break();
                c->tick(input);
            }
            ASSERT_EQ(watched.last.natural_break, asked.last.natural_break) << "tick " << i;
            ASSERT_EQ(watched.last.hold_full_length, asked.last.hold_full_length) << "tick " << i;
            ASSERT_EQ(watched.last.away_ms, asked.last.away_ms) << "tick " << i;
            ASSERT_EQ(watched.elapsed, asked.elapsed) << "tick " << i;
        }
        EXPECT_EQ(watched.ignored, asked.ignored);
        EXPECT_EQ(watched.rests, asked.rests);
        EXPECT_LT(watched.idle.queries * 4, asked.idle.queries);
    }
}

TEST(ActivityRule, RestWaitsWhileAnotherProgramIsFullScreenOrACallGoesOn) {
    using For = ActivityRule::WaitedFor;
    struct Case {
        const char *what;
        bool full_screen, call, call_wait;
        int ticks; // how long it holds
        For waited_for;
        int call_queries; // at the tick the countdown ends and each later one
    };
    const Case cases[] = {
        {"nothing", false, false, true, 0, For::full_screen, 1},
        {"full screen for one tick", true, false, true, 1, For::full_screen, 1},
        {"full screen for 30 ticks", true, false, true, 30, For::full_screen, 1},
        {"a call for one tick", false, true, true, 1, For::call, 2},
        {"a call for 30 ticks", false, true, true, 30, For::call, 31},
        {"both: the call is not asked while full screen holds", true, true, true, 3, For::full_screen, 1},
        {"a call with the option off", false, true, false, 0, For::full_screen, 0},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.what);
        Cycle c;
        c.options.call_wait = k.call_wait;
        c.busy_ticks(29);
        EXPECT_EQ(c.full_screen.queries, 0); // asked only when the countdown has ended
        EXPECT_EQ(c.call.queries, 0);
        c.full_screen.answer = k.full_screen;
        c.call.answer = k.call;
        for (int i = 0; i < k.ticks; ++i) {
            c.busy_ticks(1);
            ASSERT_TRUE(c.last.rest_waits) << "tick " << i;
            ASSERT_EQ(c.elapsed, 300 + 10 * i); // the countdown runs on below zero
            if (i == k.ticks - 1) c.full_screen.answer = c.call.answer = false;
        }
        EXPECT_EQ(c.rests, 0);
        c.busy_ticks(1);
        EXPECT_FALSE(c.last.rest_waits);
        EXPECT_EQ(c.rests, 1);
        EXPECT_EQ(c.full_screen.queries, k.ticks + 1);
        EXPECT_EQ(c.call.queries, k.call_queries);
        if (k.ticks == 0) {
            EXPECT_FALSE(c.last.waited_ms);
        } else {
            EXPECT_EQ(c.last.waited_ms, k.ticks * 10000);
            EXPECT_EQ(c.last.waited_for, k.waited_for);
        }
    }
}

TEST(ActivityRule, BreakTakenWhileARestWaitsEndsTheWait) {
    Cycle c;
    c.full_screen.answer = true;
    c.busy_ticks(33);
    EXPECT_TRUE(c.last.rest_waits);
    c.take_a_break(); // the command never asks the rule
    c.ticks(6);
    c.full_screen.answer = false;
    c.busy_ticks(30);
    EXPECT_EQ(c.rests, 2);
    EXPECT_FALSE(c.last.waited_ms); // the old wait is not counted into the new phase's rest
}

TEST(ActivityRule, IdleSpellDuringAWaitIsANaturalBreak) {
    // A full-screen video with nobody at the keyboard: once the idle time reaches a rest's
    // length the user has had the rest; the wait ends and the countdown is held.
    Cycle c;
    c.full_screen.answer = true;
    c.busy_ticks(30);
    EXPECT_TRUE(c.last.rest_waits);
    c.ticks(5);
    EXPECT_TRUE(c.last.rest_waits);
    c.tick();
    EXPECT_TRUE(c.last.natural_break);
    EXPECT_FALSE(c.last.rest_waits);
    EXPECT_EQ(c.elapsed, 0);
    c.full_screen.answer = false;
    c.busy_ticks(30);
    EXPECT_EQ(c.rests, 1);
    EXPECT_FALSE(c.last.waited_ms);
}

TEST(ActivityRule, BothOptionsOffChangeNothing) {
    Cycle on;
    Cycle off;
    off.options = {false, false};
    for (Cycle *c : {&on, &off}) {
        c->full_screen.answer = true;
        c->ignored = 2;
        c->ticks(200); // nobody at the keyboard, a full-screen window in front
    }
    EXPECT_EQ(off.idle.queries, 0);
    EXPECT_EQ(off.full_screen.queries, 0);
    // As without the rule: a five-minute phase and a one-minute rest, over and over.
    EXPECT_EQ(off.rests, 5);
    EXPECT_EQ(off.ignored, 0);
    EXPECT_EQ(on.rests, 0);
    EXPECT_EQ(on.ignored, 1);
}

} // namespace
} // namespace trovel::test

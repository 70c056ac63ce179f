// Idle answers that are believed, the order in which sources are asked, and the geometry
// of "covers a screen".
#include "platform/full_screen.h"
#include "platform/idle_time.h"
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

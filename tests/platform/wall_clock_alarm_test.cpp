// The timerfd alarm on the real clock and event loop: it goes off once at its time, at once
// for a time past, never once cancelled, and holds no descriptor afterwards.
#include "platform/wall_clock_alarm.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

namespace trovel {
namespace {

qsizetype open_descriptors() { return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files).size(); }

TEST(TimerFdAlarm, GoesOffOnceAtItsTimeAndHoldsNoDescriptorAfterwards) {
    // From now, cancelled, how often it goes off, and when the first time (ms).
    const std::tuple<int, bool, int, int, int> cases[] = {
        {200, false, 1, 195, 1500}, {100, true, 0, 0, 0}, {-3600 * 1000, false, 1, 0, 300}};
    for (const auto &[from_now, cancel, fires, earliest, latest] : cases) {
        SCOPED_TRACE(from_now);
        const qsizetype before = open_descriptors();
        TimerFdAlarm alarm;
        QElapsedTimer clock;
        int fired = 0;
        qint64 first = -1;
        alarm.on_alarm = [&] { first = fired++ ? first : clock.elapsed(); };
        clock.start();
        ASSERT_TRUE(alarm.set(alarm.now().addMSecs(from_now)));
        if (cancel) alarm.cancel();
        (void)QTest::qWaitFor([&] { return fired > 0; }, fires ? 3000 : 0);
        QTest::qWait(400); // time for a second fire, or for a cancelled one
        EXPECT_EQ(fired, fires);
        EXPECT_TRUE(!fires || (first >= earliest && first <= latest)) << first << " ms";
        EXPECT_EQ(open_descriptors(), before);
    }
}

} // namespace
} // namespace trovel

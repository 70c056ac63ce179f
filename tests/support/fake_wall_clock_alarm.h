// A wall-clock alarm for tests: the test sets the time, sees the alarm set and fires it,
// on time or late, as at waking from a sleep.
#pragma once

#include "platform/wall_clock_alarm.h"

namespace trovel::test {

class FakeWallClockAlarm : public WallClockAlarm {
public:
    QDateTime clock{QDate(2026, 12, 9), QTime(14, 0), Qt::UTC}; // UTC: the same on every machine
    QDateTime at;                                               // the alarm set; invalid while none is
    bool refuse = false;                                        // set() fails, as out of descriptors

    QDateTime now() override { return clock; }
    bool set(const QDateTime &when, QString *error) override {
        at = refuse ? QDateTime() : when;
        if (refuse && error) *error = QStringLiteral("Cannot make a timer: Too many open files");
        return !refuse;
    }
    void cancel() override { at = QDateTime(); }
    // The clock reaches `when` (the alarm's time, or later after a sleep) and it goes off.
    void fire_at(const QDateTime &when) {
        clock = when;
        at = QDateTime();
        on_alarm();
    }
};

} // namespace trovel::test

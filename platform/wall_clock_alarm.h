// An alarm on the wall clock, for the end of a timed pause: it goes off when the date and
// time reach the moment set, also when the computer slept through that moment (it goes
// off at waking then). Behind an interface so tests choose the time and fire it.
#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace trovel {

class WallClockAlarm {
public:
    virtual ~WallClockAlarm() = default;
    // The local date and time now.
    virtual QDateTime now() = 0;
    // Calls on_alarm once when the wall clock reaches `at` (soon after, at once when `at`
    // is past), replacing an alarm set before. False with the reason in *error when no
    // alarm could be set; then none is set.
    virtual bool set(const QDateTime &at, QString *error = nullptr) = 0;
    // No alarm goes off any more; nothing when none is set.
    virtual void cancel() = 0;
    // Called from the event loop.
    std::function<void()> on_alarm;
};

// A timerfd on CLOCK_REALTIME with an absolute expiry, watched by the event loop. QTimer
// counts CLOCK_MONOTONIC, which stands still during a suspend: a pause set to end at 14:30
// on a computer that slept from 14:00 to 16:00 would run on until 16:30. The descriptor
// exists only while an alarm is set.
class TimerFdAlarm : public WallClockAlarm {
public:
    TimerFdAlarm();
    ~TimerFdAlarm() override;
    TimerFdAlarm(const TimerFdAlarm &) = delete;
    TimerFdAlarm &operator=(const TimerFdAlarm &) = delete;

    QDateTime now() override;
    bool set(const QDateTime &at, QString *error = nullptr) override;
    void cancel() override;

private:
    void expired();

    int fd_ = -1;
    // Made at the first set and kept: it is disabled, and watches nothing, between alarms.
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace trovel

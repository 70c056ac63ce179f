// The tick list: several periodic handlers (tick events) driven by one platform timer on
// the GUI thread. The timer runs at a base period that divides the events' intervals;
// at every tick a pass fires each event whose interval has elapsed (with a 50 ms early
// tolerance), counting its next period from that pass. Time comes from an injected
// 32-bit millisecond counter that may wrap.
#pragma once

#include "platform/platform_timer.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

namespace trovel {

class ErrorReport;
class TRxTimerList;

// Raised when the platform gives the list no timer.
class EOutOfResources : public std::runtime_error {
public:
    EOutOfResources() : std::runtime_error("Not enough timers available") {}
};

class TRxTimerEvent {
public:
    explicit TRxTimerEvent(QString name = {});
    ~TRxTimerEvent();
    TRxTimerEvent(const TRxTimerEvent &) = delete;
    TRxTimerEvent &operator=(const TRxTimerEvent &) = delete;

    const QString &Name() const { return name_; }

    bool Enabled() const { return enabled_; }
    // Enabling restarts the event's period and its FireCount; disabling only clears the flag.
    void setEnabled(bool v);
    int32_t Interval() const { return interval_; }
    // The new interval counts from the last firing; the list is not re-sorted.
    void setInterval(int32_t v);

    bool Cycled = true; // false: the event disables itself after RepeatCount firings
    int32_t RepeatCount = 0;
    int32_t Tag = 0; // free for the owner; the list never reads it
    std::function<void(TRxTimerEvent &)> OnTimer;

    uint32_t LastFired() const { return last_fired_; }
    int32_t FireCount() const { return fire_count_; }
    TRxTimerList *List() const { return list_; }

private:
    friend class TRxTimerList;
    QString name_;
    bool enabled_ = true;
    int32_t interval_ = 1000;
    uint32_t last_fired_ = 0;
    int32_t fire_count_ = 0;
    TRxTimerList *list_ = nullptr;
};

class TRxTimerList : public QObject {
    Q_OBJECT
public:
    // counter: a monotonic millisecond counter, 32 bits wide, allowed to wrap. timer: what
    // wakes the list (a Qt timer in the program, a fake in tests). report: where the errors
    // of a pass go; it outlives the list.
    TRxTimerList(std::function<uint32_t()> counter, std::unique_ptr<PlatformTimer> timer, const ErrorReport &report,
                 QObject *parent = nullptr);
    ~TRxTimerList() override;

    PlatformTimer &platform_timer() { return *timer_; }

    // Appends the event (the list does not own it), then re-sorts and re-arms.
    void add(TRxTimerEvent *event);
    // Takes the event out of the list; the event's destructor does this by itself.
    void remove(TRxTimerEvent *event);
    const std::vector<TRxTimerEvent *> &Events() const { return events_; }

    bool Active() const { return active_; }
    // Activation starts every enabled event's period afresh; deactivation stops the
    // timer and leaves the events as they are.
    void setActive(bool v);
    // The grid of passes in ms; 0 when no timer is needed.
    int32_t BasePeriod() const { return base_period_; }

    // When set, the platform timer is armed for the next pass of the grid at which an
    // event is due, instead of every pass: the same firings with far fewer wake-ups.
    // Off by default.
    bool skip_idle_passes() const { return skip_idle_; }
    void set_skip_idle_passes(bool v);

    // One tick of the platform timer: fires every event that is due.
    void pass();

private:
    friend class TRxTimerEvent;

    void activate();
    void deactivate();
    void compute_base_period(uint32_t t);
    void sort_events();
    void rearm(uint32_t t);
    void rearm_after_pass(uint32_t t);
    void arm(int64_t ms);
    int64_t until_next_due(uint32_t now);
    bool any_enabled() const;
    void hook_timer();

    std::function<uint32_t()> counter_;
    std::unique_ptr<PlatformTimer> timer_;
    const ErrorReport &report_;
    std::vector<TRxTimerEvent *> events_;
    bool active_ = false;
    // The timer may run only while this is set: from the start of an activation until the
    // next deactivation.
    bool armable_ = false;
    int32_t base_period_ = 0;
    bool skip_idle_ = false;
    // A pass of the grid that the timer's passes keep to while idle passes are skipped.
    uint32_t grid_origin_ = 0;
};

} // namespace trovel

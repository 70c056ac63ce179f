// The tick list's rules: activation, the base period, re-arming the platform timer and
// the passes that fire the events.
#include "platform/rx_timer_list.h"

#include "platform/error_report.h"

#include <algorithm>
#include <limits>

namespace trovel {

namespace {

constexpr int32_t kMinPeriod = 100;
// An event fires this much before its interval has fully elapsed, so a tick that comes
// a little early does not cost a whole base period.
constexpr int64_t kEarlyTolerance = 50;

// Counter values are compared modulo 2^32 and read as signed, so order survives the wrap.
int32_t elapsed(uint32_t now, uint32_t since) { return static_cast<int32_t>(now - since); }

} // namespace

// ---- events

TRxTimerEvent::TRxTimerEvent(QString name) : name_(std::move(name)) {}

TRxTimerEvent::~TRxTimerEvent() {
    if (list_) list_->remove(this);
}

void TRxTimerEvent::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    if (!v) return; // passes skip it; the timer keeps its period
    fire_count_ = 0;
    if (!list_) return;
    const uint32_t now = list_->counter_();
    last_fired_ = now;
    list_->compute_base_period(now);
    list_->rearm(now);
}

void TRxTimerEvent::setInterval(int32_t v) {
    if (v == interval_) return;
    interval_ = v;
    if (!list_) return;
    const uint32_t now = list_->counter_();
    list_->compute_base_period(now);
    list_->rearm(now);
}

// ---- the list

TRxTimerList::TRxTimerList(std::function<uint32_t()> counter, std::unique_ptr<PlatformTimer> timer,
                           const ErrorReport &report, QObject *parent)
    : QObject(parent), counter_(std::move(counter)), timer_(std::move(timer)), report_(report) {
    hook_timer();
}

TRxTimerList::~TRxTimerList() {
    timer_->stop();
    timer_->on_timeout = nullptr;
    for (TRxTimerEvent *e : events_)
        e->list_ = nullptr;
}

void TRxTimerList::hook_timer() {
    // A tick is an entry point from the event loop: an error ends the pass and goes to the
    // error report, and the next pass comes as usual.
    timer_->on_timeout = [this] { report_errors(report_, [this] { pass(); }); };
}

void TRxTimerList::set_skip_idle_passes(bool v) {
    if (v == skip_idle_) return;
    skip_idle_ = v;
    rearm(counter_());
}

void TRxTimerList::add(TRxTimerEvent *event) {
    if (!event || event->list_ == this) return;
    if (event->list_) event->list_->remove(event);
    event->list_ = this;
    const uint32_t now = counter_();
    // A new event's period counts from its creation, which is now for all practical purposes.
    event->last_fired_ = now;
    events_.push_back(event);
    compute_base_period(now);
    sort_events();
    rearm(now);
}

void TRxTimerList::remove(TRxTimerEvent *event) {
    auto it = std::find(events_.begin(), events_.end(), event);
    if (it == events_.end()) return;
    events_.erase(it);
    event->list_ = nullptr;
}

void TRxTimerList::setActive(bool v) {
    if (v == active_) return;
    if (v)
        activate();
    else
        deactivate();
}

void TRxTimerList::activate() {
    armable_ = true;
    const uint32_t t = counter_();
    for (TRxTimerEvent *e : events_)
        if (e->enabled_) e->last_fired_ = t;
    compute_base_period(t);
    sort_events();
    // Not yet marked active, so an activation with no event enabled leaves the list
    // active with no timer until an event is enabled.
    rearm(t);
    active_ = true;
}

void TRxTimerList::deactivate() {
    // Safe inside a pass: stopping the timer from its own tick only cancels later ticks.
    timer_->stop();
    armable_ = false;
    active_ = false;
}

bool TRxTimerList::any_enabled() const {
    return std::any_of(events_.begin(), events_.end(), [](const TRxTimerEvent *e) { return e->enabled_; });
}

void TRxTimerList::compute_base_period(uint32_t t) {
    if (events_.empty()) {
        base_period_ = 0;
        return;
    }
    // The shortest interval, and the shortest time left until an enabled event is due.
    int64_t p = std::numeric_limits<int32_t>::max();
    bool any = false;
    for (const TRxTimerEvent *e : events_) {
        if (!e->enabled_ || e->interval_ <= 0) continue;
        any = true;
        p = std::min<int64_t>(p, e->interval_);
        p = std::min<int64_t>(p, int64_t{e->interval_} - elapsed(t, e->last_fired_));
    }
    if (!any) {
        base_period_ = 0;
        return;
    }
    p = std::max<int64_t>(p, kMinPeriod);
    // Shrink the period until it divides every interval, disabled events included, so that
    // enabling one later keeps the grid; 100 ms is the floor.
    bool changed = true;
    while (changed && p > kMinPeriod) {
        changed = false;
        for (const TRxTimerEvent *e : events_) {
            const int64_t rem = e->interval_ % p;
            if (rem == 0) continue;
            // A negative interval leaves a negative remainder that would grow the period
            // without end; nothing but the floor divides it, so go there at once.
            p = rem > 0 ? p - rem : kMinPeriod;
            changed = true;
            break;
        }
    }
    base_period_ = static_cast<int32_t>(std::max<int64_t>(p, kMinPeriod));
}

void TRxTimerList::sort_events() {
    // Bubble sort: stable, so events with equal intervals keep the order they were added in.
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (size_t i = 0; i + 1 < events_.size(); ++i) {
            if (events_[i]->interval_ > events_[i + 1]->interval_) {
                std::swap(events_[i], events_[i + 1]);
                swapped = true;
            }
        }
    }
}

int64_t TRxTimerList::passes_until_due(uint32_t t) const {
    // Passes come at t + k * BasePeriod; an event is due at the first k >= 1 where
    // t + k * BasePeriod - LastFired >= Interval - tolerance.
    int64_t passes = std::numeric_limits<int32_t>::max() / base_period_;
    for (const TRxTimerEvent *e : events_) {
        if (!e->enabled_) continue;
        const int64_t wait = int64_t{e->interval_} - kEarlyTolerance - elapsed(t, e->last_fired_);
        passes = std::min(passes, std::max<int64_t>(1, (wait + base_period_ - 1) / base_period_));
    }
    return passes;
}

void TRxTimerList::rearm(uint32_t t) {
    if (!armable_) return;
    timer_->stop();
    if (!any_enabled()) {
        if (active_) deactivate();
        return;
    }
    if (base_period_ <= 0) return;
    const int64_t period = skip_idle_ ? passes_until_due(t) * base_period_ : base_period_;
    timer_->start(static_cast<int>(period));
    if (!timer_->running()) {
        deactivate();
        throw EOutOfResources();
    }
}

void TRxTimerList::pass() {
    if (!active_) {
        if (armable_)
            rearm(counter_());
        else
            timer_->stop(); // a stray tick after deactivation
        return;
    }
    const uint32_t t = counter_();
    bool ran_out = false;
    try {
        // From the end, so the longest interval fires first when several are due. Handlers
        // may restart the list or change events; the index is re-checked because one may
        // also have been removed.
        for (size_t i = events_.size(); i-- > 0;) {
            if (i >= events_.size()) continue;
            TRxTimerEvent *e = events_[i];
            if (!e->enabled_ || elapsed(t, e->last_fired_) < int64_t{e->interval_} - kEarlyTolerance) continue;
            e->last_fired_ = t;
            ++e->fire_count_;
            if (!e->Cycled && e->fire_count_ >= e->RepeatCount) {
                e->enabled_ = false;
                ran_out = true;
            }
            if (e->OnTimer) e->OnTimer(*e);
        }
    } catch (...) {
        // The error ends the pass, but the next pass must still come when something is due.
        if (skip_idle_) rearm_after_pass(t);
        throw;
    }
    if (ran_out) {
        if (!any_enabled()) {
            setActive(false);
            return;
        }
        const uint32_t now = counter_();
        compute_base_period(now);
        rearm(now);
    } else if (skip_idle_) {
        rearm_after_pass(t);
    }
}

void TRxTimerList::rearm_after_pass(uint32_t t) {
    // With nothing enabled the list stays active and waits for an event to be enabled,
    // as an every-pass timer would keep ticking and fire nothing.
    if (armable_ && !any_enabled())
        timer_->stop();
    else
        rearm(t);
}

} // namespace trovel

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
    // Stable, so events with equal intervals keep the order they were added in.
    std::stable_sort(events_.begin(), events_.end(),
                     [](const TRxTimerEvent *a, const TRxTimerEvent *b) { return a->interval_ < b->interval_; });
}

int64_t TRxTimerList::until_next_due(uint32_t now) {
    // Passes lie on the grid grid_origin_ + k * BasePeriod, as a periodic timer started at
    // the last re-arm would bring them. An event is due at the first pass after now where
    // pass - LastFired >= Interval - tolerance. Counting from the grid rather than from
    // now keeps a late tick, or a slow handler, from pushing every later pass back.
    const int64_t base = base_period_;
    const int64_t from = int64_t{elapsed(now, grid_origin_)} + 1;
    // The longest wait a timer takes, on the grid.
    const int64_t last = from + std::numeric_limits<int32_t>::max() - base;
    int64_t due = std::numeric_limits<int64_t>::max();
    for (const TRxTimerEvent *e : events_) {
        if (!e->enabled_) continue;
        const int64_t at = int64_t{elapsed(e->last_fired_, grid_origin_)} + e->interval_ - kEarlyTolerance;
        due = std::min(due, std::clamp(at, from, last));
    }
    // Up to the grid: the k with (k - 1) * base < due <= k * base, for due of either sign.
    const int64_t k = due > 0 ? (due + base - 1) / base : -(-due / base);
    const int64_t pass_at = k * base;
    // The next re-arm counts from this pass, which keeps the origin near the present.
    grid_origin_ += static_cast<uint32_t>(pass_at);
    return pass_at - (from - 1);
}

void TRxTimerList::rearm(uint32_t t) {
    if (!armable_) return;
    timer_->stop();
    if (!any_enabled()) {
        if (active_) deactivate();
        return;
    }
    if (base_period_ <= 0) return;
    // A periodic timer (re)started here would lay its grid from t.
    grid_origin_ = t;
    arm(skip_idle_ ? until_next_due(t) : base_period_);
}

void TRxTimerList::arm(int64_t ms) {
    timer_->start(static_cast<int>(ms));
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
    if (!armable_) return;
    timer_->stop();
    if (!any_enabled()) return;
    if (base_period_ <= 0) return;
    // A pass a whole period late lays the grid afresh from its start, as a periodic timer
    // does: the periods it missed are not made up.
    if (elapsed(t, grid_origin_) >= base_period_) grid_origin_ = t;
    // The counter is read after the handlers ran: the wait left to the next due pass of
    // the grid is what the timer must be given.
    arm(until_next_due(counter_()));
}

} // namespace trovel

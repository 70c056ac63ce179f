#include "platform/rx_timer_list.h"

#include <QTimer>

namespace trovel {

namespace {
class QtPlatformTimer : public PlatformTimer {
public:
    QtPlatformTimer() {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] { if (on_timeout) on_timeout(); });
    }
    void start(int period_ms) override { timer_.start(period_ms); }
    void stop() override { timer_.stop(); }
    bool running() const override { return timer_.isActive(); }
    int period() const override { return timer_.interval(); }
private:
    QTimer timer_;
};
}  // namespace

TRxTimerEvent::TRxTimerEvent(QString name) : name_(std::move(name)) {}

void TRxTimerEvent::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    if (v) fire_count_ = 0;
}

void TRxTimerEvent::setInterval(int32_t v) { interval_ = v; }

TRxTimerList::TRxTimerList(std::function<uint32_t()> counter, QObject *parent)
    : QObject(parent), counter_(std::move(counter)), timer_(std::make_unique<QtPlatformTimer>()) {
    timer_->on_timeout = [this] { pass(); };
}

TRxTimerList::~TRxTimerList() = default;

void TRxTimerList::set_platform_timer(std::unique_ptr<PlatformTimer> timer) {
    timer_ = std::move(timer);
    timer_->on_timeout = [this] { pass(); };
}

void TRxTimerList::add(TRxTimerEvent *event) { event->list_ = this; events_.push_back(event); }

void TRxTimerList::setActive(bool v) {
    if (v == active_) return;
    active_ = v;
    if (v) {
        const uint32_t t = counter_();
        for (auto *e : events_) if (e->enabled_) e->last_fired_ = t;
        base_period_ = 100;
        timer_->start(100);
    } else {
        timer_->stop();
    }
}

void TRxTimerList::pass() {
    if (!active_) return;
    const uint32_t t = counter_();
    for (auto it = events_.rbegin(); it != events_.rend(); ++it) {
        TRxTimerEvent *e = *it;
        if (e->enabled_ && static_cast<int32_t>(t - e->last_fired_) >= e->interval_ - 50) {
            e->last_fired_ = t;
            ++e->fire_count_;
            if (e->OnTimer) e->OnTimer(*e);
        }
    }
}

}  // namespace trovel

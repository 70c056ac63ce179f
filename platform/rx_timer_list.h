// The tick list: several periodic handlers driven by one platform timer on the GUI thread.
// (Stand-in: the full rules of passes, base period and tolerance land separately.)
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QTimer;

namespace trovel {

class TRxTimerList;

class TRxTimerEvent {
public:
    explicit TRxTimerEvent(QString name = {});

    const QString &Name() const { return name_; }
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);
    int32_t Interval() const { return interval_; }
    void setInterval(int32_t v);
    bool Cycled = true;
    int32_t RepeatCount = 0;
    int32_t Tag = 0;
    std::function<void(TRxTimerEvent &)> OnTimer;

    uint32_t LastFired() const { return last_fired_; }
    int32_t FireCount() const { return fire_count_; }

private:
    friend class TRxTimerList;
    QString name_;
    bool enabled_ = true;
    int32_t interval_ = 1000;
    uint32_t last_fired_ = 0;
    int32_t fire_count_ = 0;
    TRxTimerList *list_ = nullptr;
};

// The periodic platform timer the list runs on; replaced by a fake in tests.
class PlatformTimer {
public:
    virtual ~PlatformTimer() = default;
    virtual void start(int period_ms) = 0;
    virtual void stop() = 0;
    virtual bool running() const = 0;
    virtual int period() const = 0;
    std::function<void()> on_timeout;
};

class TRxTimerList : public QObject {
    Q_OBJECT
public:
    explicit TRxTimerList(std::function<uint32_t()> counter, QObject *parent = nullptr);
    ~TRxTimerList() override;

    void set_platform_timer(std::unique_ptr<PlatformTimer> timer);
    PlatformTimer &platform_timer() { return *timer_; }

    void add(TRxTimerEvent *event);
    const std::vector<TRxTimerEvent *> &Events() const { return events_; }

    bool Active() const { return active_; }
    void setActive(bool v);
    int32_t BasePeriod() const { return base_period_; }

    // One tick of the platform timer.
    void pass();

private:
    std::function<uint32_t()> counter_;
    std::unique_ptr<PlatformTimer> timer_;
    std::vector<TRxTimerEvent *> events_;
    bool active_ = false;
    int32_t base_period_ = 0;
};

}  // namespace trovel

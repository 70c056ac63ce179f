// The real platform timer: a periodic, precise QTimer.
#include "platform/platform_timer.h"

#include <QTimer>

namespace trovel {

namespace {

class QtPlatformTimer : public PlatformTimer {
public:
    QtPlatformTimer() {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (on_timeout) on_timeout();
        });
    }
    void start(int period_ms) override { timer_.start(period_ms); }
    void stop() override { timer_.stop(); }
    bool running() const override { return timer_.isActive(); }
    int period() const override { return timer_.interval(); }

private:
    QTimer timer_;
};

} // namespace

std::unique_ptr<PlatformTimer> make_qt_platform_timer() { return std::make_unique<QtPlatformTimer>(); }

} // namespace trovel

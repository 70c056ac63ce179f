#include "platform/wall_clock_alarm.h"

#include "platform/error_text.h"

#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

namespace trovel {

TimerFdAlarm::TimerFdAlarm() = default;

TimerFdAlarm::~TimerFdAlarm() { cancel(); }

QDateTime TimerFdAlarm::now() { return QDateTime::currentDateTime(); }

bool TimerFdAlarm::set(const QDateTime &at, QString *error) {
    auto fail = [&](const QString &what, int err) {
        cancel();
        if (error) *error = what + QStringLiteral(": ") + system_error(err);
        return false;
    };
    if (fd_ < 0) {
        fd_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
        if (fd_ < 0) return fail(QStringLiteral("Cannot make a timer"), errno);
    }
    // An absolute expiry on CLOCK_REALTIME follows the wall clock through a suspend and
    // any setting of the clock; one already past expires at once. A zero expiry would
    // disarm the timer, so the earliest moment is one nanosecond after the epoch.
    const int64_t ms = std::max<int64_t>(at.toMSecsSinceEpoch(), 0);
    itimerspec expiry{};
    expiry.it_value.tv_sec = static_cast<time_t>(ms / 1000);
    expiry.it_value.tv_nsec = static_cast<long>(ms % 1000) * 1000000L;
    if (expiry.it_value.tv_sec == 0 && expiry.it_value.tv_nsec == 0) expiry.it_value.tv_nsec = 1;
    if (timerfd_settime(fd_, TFD_TIMER_ABSTIME, &expiry, nullptr) != 0)
        return fail(QStringLiteral("Cannot set a timer"), errno);
    if (!notifier_) {
        notifier_ = std::make_unique<QSocketNotifier>(QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] { expired(); });
    }
    notifier_->setSocket(fd_);
    notifier_->setEnabled(true);
    return true;
}

void TimerFdAlarm::cancel() {
    if (fd_ < 0) return;
    // The notifier lets go of the descriptor before it is closed.
    notifier_->setEnabled(false);
    notifier_->setSocket(-1);
    ::close(fd_);
    fd_ = -1;
}

void TimerFdAlarm::expired() {
    uint64_t expirations = 0;
    // Nothing to read: a wake-up with no expiry behind it.
    if (::read(fd_, &expirations, sizeof expirations) != sizeof expirations || expirations == 0) return;
    cancel();
    if (on_alarm) on_alarm();
}

} // namespace trovel

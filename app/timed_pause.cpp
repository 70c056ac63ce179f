#include "app/timed_pause.h"

#include <QCoreApplication>
#include <QTimeZone>

namespace trovel {

QDateTime pause_end(const QDateTime &now, PauseLength length) {
    switch (length) {
    case PauseLength::minutes_30:
        return now.addSecs(30 * 60);
    case PauseLength::hour_1:
        return now.addSecs(60 * 60);
    case PauseLength::hours_2:
        return now.addSecs(120 * 60);
    case PauseLength::until_tomorrow:
        break;
    }
    // The date and the time of day are set in now's own zone, not counted in seconds: the
    // night of a change to or from summer time is an hour shorter or longer.
    const QDate day = now.date().addDays(1);
    const QTime six(6, 0);
    if (now.timeSpec() == Qt::TimeZone) return QDateTime(day, six, now.timeZone());
    return QDateTime(day, six, now.timeSpec(), now.offsetFromUtc());
}

QString paused_until_text(const QDateTime &end) {
    return QCoreApplication::translate("trovel::Messages", "paused until %1")
        .arg(end.toString(QStringLiteral("HH:mm")));
}

} // namespace trovel

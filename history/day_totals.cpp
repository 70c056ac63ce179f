// Adding the events up per day.
#include "history/day_totals.h"

#include <QCoreApplication>

#include <algorithm>

namespace trovel {

namespace {

void count(DayTotals &day, HistoryKind kind) {
    switch (kind) {
    case HistoryKind::rest_completed:
        ++day.rests_taken;
        break;
    case HistoryKind::natural_break:
        ++day.natural_breaks;
        break;
    case HistoryKind::rest_ignored:
        ++day.ignored;
        break;
    case HistoryKind::break_taken:
        ++day.breaks_taken;
        break;
    default:
        break;
    }
}

} // namespace

std::vector<DayTotals> day_totals(const std::vector<HistoryEvent> &events, QDate first, QDate last,
                                  const QTimeZone &zone) {
    std::vector<DayTotals> days;
    if (!first.isValid() || !last.isValid() || last < first) return days;
    for (QDate d = first; d <= last; d = d.addDays(1))
        days.push_back(DayTotals{.date = d});
    auto day_of = [&](QDate d) -> DayTotals * {
        if (d < first || d > last) return nullptr;
        return &days[static_cast<size_t>(first.daysTo(d))];
    };

    for (const HistoryEvent &e : events) {
        if (!e.at.isValid()) continue;
        if (e.kind != HistoryKind::typing_phase) {
            if (DayTotals *day = day_of(e.at.toTimeZone(zone).date())) count(*day, e.kind);
            continue;
        }
        if (e.seconds <= 0) continue;
        // The counted time ends at the phase's end; its start is not used, so a clock
        // that went back during the phase changes nothing here.
        const int64_t end = e.at.toMSecsSinceEpoch();
        const int64_t begin = end - int64_t(e.seconds) * 1000;
        const QDate last_date = e.at.toTimeZone(zone).date();
        QDate d = QDateTime::fromMSecsSinceEpoch(begin, zone).date();
        for (; d.isValid() && d <= last_date; d = d.addDays(1)) {
            const int64_t from = std::max<int64_t>(begin, d.startOfDay(zone).toMSecsSinceEpoch());
            const int64_t to = std::min<int64_t>(end, d.addDays(1).startOfDay(zone).toMSecsSinceEpoch());
            if (DayTotals *day = day_of(d); day && to > from) day->typing_ms += to - from;
        }
    }
    return days;
}

std::pair<QDate, QDate> history_date_range(const std::vector<HistoryEvent> &events, QDate today,
                                           const QTimeZone &zone) {
    QDate first = today, last = today;
    for (const HistoryEvent &e : events) {
        if (!e.at.isValid()) continue;
        const QDate d = e.at.toTimeZone(zone).date();
        first = std::min(first, d);
        last = std::max(last, d);
    }
    return {first, last};
}

QString typing_time_words(int minutes) {
    if (minutes < 60) return QCoreApplication::translate("trovel::DayTotals", "%1 min").arg(minutes);
    if (minutes % 60 == 0) return QCoreApplication::translate("trovel::DayTotals", "%1 h").arg(minutes / 60);
    return QCoreApplication::translate("trovel::DayTotals", "%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

QString today_in_words(const DayTotals &today) {
    // A translation has its language's plural forms of "%n ..."; English, which is not
    // translated, has two.
    auto counted = [](int n, const char *one, const char *many, const char *plural) {
        const QString translated = QCoreApplication::translate("trovel::DayTotals", plural, nullptr, n);
        if (translated != QString::fromLatin1(plural).replace(QLatin1String("%n"), QString::number(n)))
            return translated;
        return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
    };
    return QCoreApplication::translate("trovel::DayTotals", "Today: %1, %2 ignored, %3; %4 typing")
        .arg(counted(today.rests_taken, "rest taken", "rests taken",
                     QT_TRANSLATE_N_NOOP("trovel::DayTotals", "%n rests taken")))
        .arg(today.ignored)
        .arg(counted(today.natural_breaks, "natural break", "natural breaks",
                     QT_TRANSLATE_N_NOOP("trovel::DayTotals", "%n natural breaks")))
        .arg(typing_time_words(today.typing_minutes()));
}

} // namespace trovel

// CSV text of the day totals and its save.
#include "history/csv_export.h"

#include "platform/save_file.h"

#include <QCoreApplication>

namespace trovel {

QByteArray csv_text(const std::vector<DayTotals> &days) {
    QByteArray out("date,rests_taken,natural_breaks,ignored,breaks_taken,typing_minutes\n");
    for (const DayTotals &d : days)
        out += QStringLiteral("%1,%2,%3,%4,%5,%6\n")
                   .arg(d.date.toString(Qt::ISODate))
                   .arg(d.rests_taken)
                   .arg(d.natural_breaks)
                   .arg(d.ignored)
                   .arg(d.breaks_taken)
                   .arg(d.typing_minutes())
                   .toUtf8();
    return out;
}

bool save_csv(const QString &path, const std::vector<DayTotals> &days, QString *error) {
    QString reason;
    if (save_file(path, csv_text(days), &reason)) return true;
    if (error) *error = QCoreApplication::translate("trovel::Messages", "Cannot write %1: %2").arg(path, reason);
    return false;
}

} // namespace trovel

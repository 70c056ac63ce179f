// CSV text of the day totals and its atomic write.
#include "history/csv_export.h"

#include <QSaveFile>

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

QString write_file_atomically(const QString &path, const QByteArray &text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(text) != text.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    if (!file.commit()) return file.errorString();
    return QString();
}

} // namespace trovel

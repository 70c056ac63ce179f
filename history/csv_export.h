// The day totals as a CSV file, for a spreadsheet.
#pragma once

#include "history/day_totals.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace trovel {

// A header row, then one row per day: ISO date, rests taken, natural breaks, ignored,
// breaks taken, typing minutes. Plain numbers, no quoting needed, LF line ends.
QByteArray csv_text(const std::vector<DayTotals> &days);

// Writes `text` to `path` atomically: a temporary file in the same folder, then renamed
// over the old one, so a failure leaves the old file as it was. Returns "" on success,
// otherwise why it failed.
QString write_file_atomically(const QString &path, const QByteArray &text);

} // namespace trovel

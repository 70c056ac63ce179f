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

// Writes the days' CSV text to `path` whole or not at all (save_file), so a failure
// leaves the old file as it was. False when it cannot, with `*error` naming the file and
// the reason ("Cannot write <path>: <reason>").
bool save_csv(const QString &path, const std::vector<DayTotals> &days, QString *error);

} // namespace trovel

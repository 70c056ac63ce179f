// What the history says about each day: rests taken, natural breaks, rests ignored,
// breaks taken and minutes of typing, and today's totals in words.
#pragma once

#include "history/history_event.h"

#include <QDate>
#include <QString>
#include <QTimeZone>
#include <cstdint>
#include <vector>

namespace trovel {

struct DayTotals {
    QDate date;
    int rests_taken = 0; // rests that ran to their end
    int natural_breaks = 0;
    int ignored = 0;       // rests the user went back to typing from
    int breaks_taken = 0;  // rests started from the menu or the tray
    int64_t typing_ms = 0; // typing time counted, on this date's part of the phases

    // Rounded to the nearest minute.
    int typing_minutes() const { return static_cast<int>((typing_ms + 30000) / 60000); }
    bool operator==(const DayTotals &) const = default;
};

// One entry per date from `first` to `last`, days without events included. Every event
// counts on its date in `zone`. A typing phase's counted time is laid back from its end
// (the time away before a natural break is not typing) and split at each midnight of
// `zone`, so 23:55 to 00:05 gives five minutes to each day; days of 23 or 25 hours have
// their own midnights. Other kinds (pauses, waits, start and end) do not count here.
std::vector<DayTotals> day_totals(const std::vector<HistoryEvent> &events, QDate first, QDate last,
                                  const QTimeZone &zone);

// The first and last date in `zone` of any event, widened to take in `today`.
std::pair<QDate, QDate> history_date_range(const std::vector<HistoryEvent> &events, QDate today, const QTimeZone &zone);

// "3 h 12 min", "45 min", "2 h", "0 min".
QString typing_time_words(int minutes);

// "Today: 9 rests taken, 2 ignored, 1 natural break; 3 h 12 min typing". "rest" and
// "natural break" take the plural for every count but 1; "ignored" has none.
QString today_in_words(const DayTotals &today);

} // namespace trovel

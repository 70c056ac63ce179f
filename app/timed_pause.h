// When a pause chosen under "PAUSE for" ends, and the words that say so; free of the form
// and of the clock.
#pragma once

#include <QDateTime>
#include <QString>

namespace trovel {

enum class PauseLength { minutes_30, hour_1, hours_2, until_tomorrow };

// The end of a pause of `length` chosen at `now`: 30, 60 or 120 minutes of real time later
// (a clock set back or forward for summer time changes nothing), or 06:00 of the next
// calendar day in now's time zone, however close to midnight now is.
QDateTime pause_end(const QDateTime &now, PauseLength length);

// "paused until 14:30", the end in its own time zone.
QString paused_until_text(const QDateTime &end);

} // namespace trovel

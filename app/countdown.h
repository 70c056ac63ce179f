// The break cycle's arithmetic, free of the form: the half-hour rule, the percentage of
// a countdown left, the countdown text and the width of the progress bar. The form's
// handlers call these with the values of their controls.
#pragma once

#include <QString>
#include <cstdint>

namespace trovel {

// Whether a rest starting at this minute of the hour shows the clock: near the whole hour
// (minutes 0 to 4 and 56 to 59) and near the half hour (26 to 34).
bool near_half_hour(int minute);

// The percentage of a countdown of `minutes` (not 0) left after `elapsed` seconds.
int32_t countdown_percent_left(int32_t minutes, int32_t elapsed);

// The time left as "mm:ss", minutes and seconds each at least two digits and signed once
// the countdown runs below zero; the time left wraps in 32 bits as the counters do.
QString countdown_text(int32_t minutes, int32_t elapsed);

// The bar's width for `percent` of `available` pixels; 0 or less shows no bar.
int32_t progress_width(int32_t available, int32_t percent);

} // namespace trovel

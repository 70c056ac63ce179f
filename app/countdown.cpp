#include "app/countdown.h"

#include <cmath>

namespace trovel {

bool near_half_hour(int minute) { return minute < 5 || (minute >= 26 && minute <= 34) || minute > 55; }

int32_t countdown_percent_left(int32_t minutes, int32_t elapsed) {
    // Computed in extended precision and rounded half to even, so the phase ends on the
    // first tick at 1 % or less: 15, 20 and 30 minutes end one tick before zero.
    const long double fraction = static_cast<long double>(elapsed) / 60 / minutes * 100;
    return 100 - static_cast<int32_t>(std::nearbyintl(fraction));
}

QString countdown_text(int32_t minutes, int32_t elapsed) {
    // 32-bit arithmetic that wraps instead of overflowing.
    const auto remaining = static_cast<int32_t>(static_cast<uint32_t>(minutes) * 60u - static_cast<uint32_t>(elapsed));
    const auto mm = static_cast<int64_t>(std::trunc(remaining / 60.0));
    const int64_t ss = remaining - 60 * mm;
    return QString::asprintf("%2.2lld:%2.2lld", static_cast<long long>(mm), static_cast<long long>(ss));
}

int32_t progress_width(int32_t available, int32_t percent) {
    const auto product = static_cast<int32_t>(static_cast<uint32_t>(available) * static_cast<uint32_t>(percent));
    return static_cast<int32_t>(std::trunc(product / 100.0));
}

} // namespace trovel

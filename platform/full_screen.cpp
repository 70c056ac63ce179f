// The geometric half of "full screen", kept apart from X so tests need no server, and
// several probes asked as one.
#include "platform/full_screen.h"

#include <algorithm>

namespace trovel {

bool covers_a_screen(const QRect &window, const QList<QRect> &screens) {
    return std::any_of(screens.begin(), screens.end(),
                       [&window](const QRect &screen) { return screen.isValid() && window.contains(screen); });
}

AnyFullScreenProbe::AnyFullScreenProbe(std::vector<std::unique_ptr<FullScreenProbe>> probes)
    : probes_(std::move(probes)) {}

bool AnyFullScreenProbe::other_program_full_screen() {
    return std::any_of(probes_.begin(), probes_.end(),
                       [](const auto &probe) { return probe->other_program_full_screen(); });
}

} // namespace trovel

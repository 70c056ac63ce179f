// The geometric half of "full screen", kept apart from X so tests need no server.
#include "platform/full_screen.h"

#include <algorithm>

namespace trovel {

bool covers_a_screen(const QRect &window, const QList<QRect> &screens) {
    return std::any_of(screens.begin(), screens.end(),
                       [&window](const QRect &screen) { return screen.isValid() && window.contains(screen); });
}

} // namespace trovel

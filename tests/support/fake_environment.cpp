#include "support/fake_environment.h"

namespace trovel::test {

void FakeEnvironment::advance_ms(uint32_t ms) {
    tick += ms; // wraps like the real 32-bit counter
    time = time.addMSecs(static_cast<int>(ms % 86400000u));
}

void FakeEnvironment::watch_screens(QObject *context, std::function<void()> changed) {
    screen_watchers.append({context, std::move(changed)});
}

void FakeEnvironment::change_screens(const QList<QRect> &now) {
    screens = now;
    for (const auto &[context, changed] : screen_watchers)
        if (context) changed();
}

} // namespace trovel::test

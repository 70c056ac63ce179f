// A periodic timer on the GUI thread, behind an interface so tests can replace it with one
// that never waits. The tick list and the tray icon's animation run on it.
#pragma once

#include <functional>
#include <memory>

namespace trovel {

// A timer that is still not running() after start() was refused by the platform.
class PlatformTimer {
public:
    virtual ~PlatformTimer() = default;
    // (Re)starts the timer: the first tick comes one period from now.
    virtual void start(int period_ms) = 0;
    virtual void stop() = 0;
    virtual bool running() const = 0;
    virtual int period() const = 0;
    std::function<void()> on_timeout;
};

// A periodic QTimer on the thread that creates it.
std::unique_ptr<PlatformTimer> make_qt_platform_timer();

} // namespace trovel

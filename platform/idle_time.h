// How long the user has left the keyboard and mouse alone: the seam through which the
// desktop's idle time reaches the break rules. A source is asked only when the countdown
// ticks; it has no timer of its own. While the user is away, a source that the desktop
// can tell of the user's return spares the asking altogether.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace trovel {

class IdleTimeSource {
public:
    virtual ~IdleTimeSource() = default;
    // Milliseconds since the last key press or mouse movement, or nothing when the
    // desktop cannot tell (no extension, no service, an error or a nonsense answer).
    virtual std::optional<int64_t> idle_ms() = 0;

    // Watches from the last answer on for the user's return, until the next idle_ms(), if
    // the desktop can say when input comes without being asked. Others do nothing.
    virtual void watch_for_return() {}
    // True only while such a watch has seen no key press or mouse movement: the last
    // answer then still holds, grown with the clock. Always false for a source that
    // cannot watch, which is then asked again.
    virtual bool quiet_since_last_answer() { return false; }
};

// The longest idle time taken at its word: 2^31 - 1 ms, about 24.8 days. Anything
// larger is read as a fault: a -1 passed through an unsigned 32-bit field reads
// 4 294 967 295, and the X server's own counter is 32 bits wide.
inline constexpr int64_t kMaxPlausibleIdleMs = INT32_MAX;

// The answer if it is a believable idle time, nothing otherwise.
std::optional<int64_t> plausible_idle_ms(int64_t ms);
std::optional<int64_t> plausible_idle_ms(uint64_t ms);

// A monotonic clock in milliseconds.
using MonotonicMs = std::function<int64_t()>;

// Asks each source in turn and gives the first answer; nothing when none answers.
//
// An answer is passed on only if it agrees with the same source's answer before: an idle
// time that claims the user gone since before that answer has grown with the clock since.
// A service that is stuck (always the same long idle time) would otherwise hold the
// countdown for good and count a new natural break at every tick; such a source is
// passed over (the next one is asked) until its answers make sense again. A watch goes
// to the source whose answer was passed on.
class IdleSourceChain : public IdleTimeSource {
public:
    // Answers may lag the clock by this much and still count as grown with it.
    static constexpr int64_t kGrowthToleranceMs = 2000;

    // Without a clock, the steady clock of the system.
    explicit IdleSourceChain(std::vector<std::unique_ptr<IdleTimeSource>> sources, MonotonicMs clock = {});
    std::optional<int64_t> idle_ms() override;
    void watch_for_return() override;
    bool quiet_since_last_answer() override;

private:
    struct Reading {
        int64_t at_ms;
        int64_t idle_ms;
    };
    struct Entry {
        std::unique_ptr<IdleTimeSource> source;
        std::optional<Reading> last;
    };
    std::vector<Entry> sources_;
    Entry *answered_ = nullptr; // the source of the last answer passed on
    MonotonicMs clock_;
};

// The desktop's idle time for this session. On X11, the X server's screen saver
// extension. Under Wayland (XDG_SESSION_TYPE=wayland) the X server is XWayland, which
// sees only the input of X clients, so the compositor is asked first: GNOME's idle
// monitor, then the freedesktop screen saver (KDE Plasma); when neither answers, the X
// server after all.
// Nothing is connected or asked before the first idle_ms(). The clock is the chain's.
std::unique_ptr<IdleTimeSource> make_desktop_idle_source(MonotonicMs clock = {});

} // namespace trovel

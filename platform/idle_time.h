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

    // How long away counts as away: a source that is told by the desktop when the user
    // has been away this long asks for that. Called at every tick that may ask; a source
    // acts only when the length changed. Others ignore it.
    virtual void set_away_threshold_ms(int64_t /*ms*/) {}
    // True for a source whose answers are kept from the desktop's notifications rather
    // than asked for: they agree with each other by construction (see IdleSourceChain).
    virtual bool kept_from_events() const { return false; }
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
// to the source whose answer was passed on; the away threshold to every source.
class IdleSourceChain : public IdleTimeSource {
public:
    // Answers may lag the clock by this much and still count as grown with it.
    static constexpr int64_t kGrowthToleranceMs = 2000;

    // Without a clock, the steady clock of the system.
    explicit IdleSourceChain(std::vector<std::unique_ptr<IdleTimeSource>> sources, MonotonicMs clock = {});
    std::optional<int64_t> idle_ms() override;
    void watch_for_return() override;
    bool quiet_since_last_answer() override;
    void set_away_threshold_ms(int64_t ms) override;
    bool empty() const { return sources_.empty(); }

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

// The places idle time can come from, in the order they are asked.
enum class IdleSourceKind {
    gnome_idle_monitor,       // GNOME Shell, over the session bus
    freedesktop_screen_saver, // KDE Plasma and others, over the session bus
    ext_idle_notify,          // the compositor's ext-idle-notify-v1 protocol
    kde_idle,                 // the compositor's org_kde_kwin_idle protocol
    x_server,                 // the X server's screen saver extension
};

// What this session offers.
struct IdleSourcesFound {
    bool wayland_session = false;                                      // XDG_SESSION_TYPE=wayland
    bool gnome_idle_monitor = false, freedesktop_screen_saver = false; // answered a first call
    bool ext_idle_notify = false, kde_idle = false;                    // offered on WAYLAND_DISPLAY, with a seat
};

// The sources to ask in this session. In a Wayland session the X server is XWayland,
// which sees only the input of X programs, so it is never asked: the compositor's
// services and protocols that answer, in the order of IdleSourceKind, the second
// protocol only without the first. Nothing: the desktop cannot tell, and natural breaks
// are off. Elsewhere the X server, after a protocol of a Wayland display there may be.
std::vector<IdleSourceKind> idle_sources_for(const IdleSourcesFound &found);

class WaylandConnection;

// The desktop's idle time for this session, from the sources above. In a Wayland session
// the services and the compositor are asked once here which of them answer; elsewhere
// nothing is connected or asked before the first idle_ms(). The clock is the chain's;
// `wayland` may be null; `found`, if given, is told what was found.
std::unique_ptr<IdleSourceChain> make_desktop_idle_source(MonotonicMs clock = {},
                                                          const std::shared_ptr<WaylandConnection> &wayland = nullptr,
                                                          IdleSourcesFound *found = nullptr);

} // namespace trovel

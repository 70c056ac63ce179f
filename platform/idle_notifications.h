// What a compositor's idle notifications tell, as plain state that tests feed with events.
// A compositor does not answer "how long has the user been away"; it is asked for a
// notification after a timeout without input and says "idled" when that much time has
// passed since the last input, and "resumed" at the next input. The timeout is the rest
// length, so "idled" is the moment the user has been away a rest long.
//
// The idle time given from this: while idled, timeout + time since "idled", so the spell's
// start (now - idle time) stays where it was; otherwise something below the timeout (the
// time since the last "resumed", when that is shorter). A notification made anew counts
// from the moment it is made, so when the timeout changes while the user is away, the old
// notification is kept until the user is back: the spell keeps its start.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace trovel {

class IdleNotifications {
public:
    using Id = uint32_t;

    // What to do with the compositor's notification objects after an event or a change.
    struct Changes {
        std::optional<Id> make; // ask for a new notification under this id, after timeout_ms()
        std::vector<Id> drop;   // destroy these; their later events are ignored anyway
        bool operator==(const Changes &) const = default;
    };

    // The timeout the user's absence is measured against. The same one again, or none
    // (zero or less), changes nothing; neither does anything after gone().
    Changes set_timeout(int64_t timeout_ms);
    int64_t timeout_ms() const { return current_ ? current_->timeout_ms : 0; }

    // The compositor's events, with the monotonic clock's reading when they arrived.
    // Events of a notification that is not (or no longer) ours, an "idled" on one that has
    // idled already and a "resumed" on one that has not are ignored.
    Changes idled(Id id, int64_t now_ms);
    Changes resumed(Id id, int64_t now_ms);

    // The compositor went away: nothing is known from now on.
    void gone();

    // Nothing before the first timeout or after gone().
    std::optional<int64_t> idle_ms(int64_t now_ms) const;

private:
    struct Notification {
        Id id;
        int64_t timeout_ms;
        std::optional<int64_t> idled_at_ms;
    };
    std::optional<Notification> current_;  // made for the timeout of now
    std::optional<Notification> retiring_; // made for an earlier one, idled; kept until "resumed"
    std::optional<int64_t> resumed_at_ms_; // the last input the compositor told of
    Id next_id_ = 1;
    bool gone_ = false;
};

} // namespace trovel

// The notifications kept for the timeout of now and, while the user is away, for the one
// before it; the idle time read from the one that idled first.
#include "platform/idle_notifications.h"

#include <algorithm>

namespace trovel {

IdleNotifications::Changes IdleNotifications::set_timeout(int64_t timeout_ms) {
    Changes changes;
    if (gone_ || timeout_ms <= 0 || (current_ && current_->timeout_ms == timeout_ms)) return changes;
    if (current_) {
        // An idled notification knows since when the user has been away; the new one would
        // count only from now. The first such one is kept until the user is back.
        if (current_->idled_at_ms && !retiring_)
            retiring_ = current_;
        else
            changes.drop.push_back(current_->id);
    }
    current_ = Notification{next_id_++, timeout_ms, std::nullopt};
    changes.make = current_->id;
    return changes;
}

IdleNotifications::Changes IdleNotifications::idled(Id id, int64_t now_ms) {
    if (!gone_ && current_ && current_->id == id && !current_->idled_at_ms) current_->idled_at_ms = now_ms;
    return {};
}

IdleNotifications::Changes IdleNotifications::resumed(Id id, int64_t now_ms) {
    Changes changes;
    const bool of_retiring = retiring_ && retiring_->id == id;
    const bool of_current = current_ && current_->id == id && current_->idled_at_ms;
    if (gone_ || !(of_retiring || of_current)) return changes;
    // Input: the user is back for every notification, whichever tells first.
    resumed_at_ms_ = now_ms;
    current_->idled_at_ms.reset();
    if (retiring_) {
        changes.drop.push_back(retiring_->id);
        retiring_.reset();
    }
    return changes;
}

void IdleNotifications::gone() {
    gone_ = true;
    current_.reset();
    retiring_.reset();
}

std::optional<int64_t> IdleNotifications::idle_ms(int64_t now_ms) const {
    if (!current_) return std::nullopt;
    // The notification that idled first knows the earliest start of the spell.
    for (const auto &n : {retiring_, current_})
        if (n && n->idled_at_ms) return n->timeout_ms + std::max<int64_t>(0, now_ms - *n->idled_at_ms);
    const int64_t below_timeout = current_->timeout_ms - 1;
    if (resumed_at_ms_) return std::clamp<int64_t>(now_ms - *resumed_at_ms_, 0, below_timeout);
    return below_timeout;
}

} // namespace trovel

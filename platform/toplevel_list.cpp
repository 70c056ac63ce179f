// Each window's pending changes, applied at its "done".
#include "platform/toplevel_list.h"

#include <algorithm>

namespace trovel {

ToplevelList::ToplevelList(QStringList own_app_ids) : own_app_ids_(std::move(own_app_ids)) {}

void ToplevelList::added(Key window) {
    if (!gone_) windows_[window] = {};
}

void ToplevelList::app_id(Key window, const QString &app_id) {
    if (const auto it = windows_.find(window); it != windows_.end()) it->second.pending.app_id = app_id;
}

void ToplevelList::state(Key window, bool activated, bool full_screen) {
    if (const auto it = windows_.find(window); it != windows_.end()) {
        it->second.pending.activated = activated;
        it->second.pending.full_screen = full_screen;
    }
}

void ToplevelList::done(Key window) {
    if (const auto it = windows_.find(window); it != windows_.end()) it->second.applied = it->second.pending;
}

void ToplevelList::closed(Key window) { windows_.erase(window); }

void ToplevelList::gone() {
    gone_ = true;
    windows_.clear();
}

bool ToplevelList::other_program_full_screen() const {
    return std::any_of(windows_.begin(), windows_.end(), [this](const auto &entry) {
        const Window &w = entry.second.applied;
        return w.activated && w.full_screen && !own_app_ids_.contains(w.app_id);
    });
}

} // namespace trovel

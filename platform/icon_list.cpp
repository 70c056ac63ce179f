// The tray icon's list of animation frames.
#include "platform/icon_list.h"

#include <stdexcept>
#include <string>

namespace trovel {

void TIconList::check(int index, int count) const {
    if (index < 0 || index >= count)
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
}

const QIcon &TIconList::Items(int index) const {
    check(index, Count());
    return icons_[index];
}

void TIconList::setItems(int index, const QIcon &icon) {
    check(index, Count());
    icons_[index] = icon;
    changed();
}

int TIconList::Add(const QIcon &icon) {
    icons_.append(icon);
    changed();
    return Count() - 1;
}

void TIconList::Insert(int index, const QIcon &icon) {
    check(index, Count() + 1);
    icons_.insert(index, icon);
    changed();
}

void TIconList::Delete(int index) {
    check(index, Count());
    icons_.removeAt(index);
    changed();
}

void TIconList::Exchange(int a, int b) {
    check(a, Count());
    check(b, Count());
    icons_.swapItemsAt(a, b);
    changed();
}

void TIconList::Move(int from, int to) {
    check(from, Count());
    check(to, Count());
    icons_.move(from, to);
    changed();
}

void TIconList::Clear() {
    icons_.clear();
    changed();
}

void TIconList::EndUpdate() {
    if (update_depth_ == 0) return; // unbalanced: nothing was held back
    if (--update_depth_ == 0 && pending_) {
        pending_ = false;
        if (OnChange) OnChange();
    }
}

void TIconList::changed() {
    if (update_depth_ > 0) {
        pending_ = true;
        return;
    }
    if (OnChange) OnChange();
}

} // namespace trovel

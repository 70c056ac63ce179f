// The popup menu as the user sees it: a QMenu built afresh from the item tree each time
// it opens, so what it shows (captions, hints, check marks, enabled and hidden items, the
// bold default item) is always the items' own state. The toolkit never changes an item:
// choosing an entry only runs that item's command, once the menu has closed. Radio items
// get the radio look from an action group that allows an empty group, because unchecking
// the checked item of a group leaves the group empty.
#pragma once

#include "app/menu_item.h"

#include <QHash>
#include <QPoint>
#include <memory>

class QAction;
class QMenu;
class QWidget;

namespace trovel {

class PopupMenuView {
public:
    explicit PopupMenuView(TMenuItem &root, QWidget *parent = nullptr);
    ~PopupMenuView();
    PopupMenuView(const PopupMenuView &) = delete;
    PopupMenuView &operator=(const PopupMenuView &) = delete;

    QMenu &menu() { return *menu_; }
    // The item an entry stands for, and the entry of an item (separators and submenus too).
    TMenuItem *item_for(const QAction *action) const { return items_.value(action); }
    QAction *action_for(const TMenuItem *item) const { return actions_.value(item); }

    // Shows the menu with its top-left corner at the screen point p and waits until it
    // closes; then runs the command of the chosen item, if one was chosen.
    void exec(QPoint p);

private:
    void add_items(QMenu &menu, TMenuItem &parent);

    std::unique_ptr<QMenu> menu_;
    QHash<const QAction *, TMenuItem *> items_;
    QHash<const TMenuItem *, QAction *> actions_;
    TMenuItem *chosen_ = nullptr;
};

} // namespace trovel

#include "app/popup_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace trovel {

PopupMenuView::PopupMenuView(TMenuItem &root, QWidget *parent) : menu_(std::make_unique<QMenu>(parent)) {
    menu_->setObjectName(root.objectName());
    add_items(*menu_, root);
}

PopupMenuView::~PopupMenuView() = default;

void PopupMenuView::add_items(QMenu &menu, TMenuItem &parent) {
    menu.setToolTipsVisible(true);
    QHash<int, QActionGroup *> groups; // radio groups of this parent, by group number
    for (TMenuItem *item : parent.Items()) {
        QAction *action = nullptr;
        if (item->IsSeparator()) {
            action = menu.addSeparator();
        } else if (!item->Items().isEmpty()) {
            auto *sub = new QMenu(item->ShownCaption(), &menu);
            sub->setObjectName(item->objectName());
            add_items(*sub, *item);
            action = menu.addMenu(sub);
        } else {
            action = menu.addAction(item->ShownCaption());
            // A check item shows its mark only while checked; radio items always show
            // theirs. The toolkit may flip the action's own state; nobody reads it.
            action->setCheckable(item->RadioItem || item->Checked());
            if (item->RadioItem) {
                QActionGroup *&group = groups[item->GroupIndex];
                if (!group) {
                    group = new QActionGroup(&menu);
                    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
                }
                group->addAction(action);
            }
            action->setChecked(item->Checked());
            QObject::connect(action, &QAction::triggered, menu_.get(), [this, item] {
                chosen_ = item;
                menu_->close();
            });
        }
        action->setObjectName(item->objectName());
        if (!item->Hint.isEmpty()) action->setToolTip(item->Hint);
        action->setEnabled(item->Enabled());
        action->setVisible(item->Visible());
        if (item->Default) menu.setDefaultAction(action);
        items_.insert(action, item);
        actions_.insert(item, action);
    }
}

void PopupMenuView::exec(QPoint p) {
    chosen_ = nullptr;
    menu_->exec(p);
    // The command runs outside the menu's own event handling: it may open a dialog of its
    // own, and an error it raises goes to the error report (the item's Click catches it).
    if (TMenuItem *item = chosen_) {
        chosen_ = nullptr;
        item->Click();
    }
}

} // namespace trovel

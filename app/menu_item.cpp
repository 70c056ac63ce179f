#include "app/menu_item.h"

#include "platform/error_report.h"

namespace trovel {

TMenuItem::TMenuItem(const QString &name, const ErrorReport &report) : report_(report) { setObjectName(name); }

TMenuItem::TMenuItem(const QString &name, const QString &caption, TMenuItem &parent)
    : QObject(&parent), report_(parent.report_), caption_(caption) {
    setObjectName(name);
}

void TMenuItem::setCaption(const QString &c) {
    caption_ = c;
    emit changed();
}

void TMenuItem::setChecked(bool v) {
    checked_ = v;
    if (v && RadioItem) {
        if (TMenuItem *p = Parent()) {
            for (TMenuItem *sibling : p->Items())
                if (sibling != this && sibling->RadioItem && sibling->GroupIndex == GroupIndex && sibling->checked_) {
                    sibling->checked_ = false;
                    emit sibling->changed();
                }
        }
    }
    emit changed();
}

void TMenuItem::setEnabled(bool v) {
    enabled_ = v;
    emit changed();
}

void TMenuItem::setVisible(bool v) {
    visible_ = v;
    emit changed();
}

QList<TMenuItem *> TMenuItem::Items() const {
    QList<TMenuItem *> items;
    for (QObject *o : children())
        if (auto *item = qobject_cast<TMenuItem *>(o)) items.append(item);
    return items;
}

TMenuItem *TMenuItem::Parent() const { return qobject_cast<TMenuItem *>(parent()); }

void TMenuItem::Click() {
    // Every command starts here (the menu, the tray icon's double click): an error ends
    // the command, and the steps already done stand.
    if (enabled_ && OnClick) report_errors(report_, [this] { OnClick(*this); });
}

} // namespace trovel

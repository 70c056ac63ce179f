// The notification area through QSystemTrayIcon. Qt reports whole clicks rather than
// button downs and ups, so each activation is translated into the notifications a click
// or a double click would have sent (see tray_activation.h). No context menu is ever set:
// nothing opens from the tray by itself.
#include "platform/qt_tray_host.h"

#include <QCursor>
#include <QGuiApplication>

namespace trovel {

QtTrayHost::QtTrayHost() {
    // The QSystemTrayIcon is made in the first turn of the event loop after the first add.
    // Making one asks the session bus whether a status-notifier panel is there and waits
    // for the answer, and docking in an XEmbed tray keeps the window manager busy: done at
    // start-up, both would hold back the bar, whose request to be mapped goes out when the
    // event loop starts. The icon appears a few milliseconds later; nothing else changes.
    create_timer_.setSingleShot(true);
    create_timer_.setInterval(0);
    QObject::connect(&create_timer_, &QTimer::timeout, [this] { create_icon(); });
    hide_timer_.setSingleShot(true);
    hide_timer_.setInterval(0);
    QObject::connect(&hide_timer_, &QTimer::timeout, [this] { icon_->hide(); });
}

void QtTrayHost::create_icon() {
    if (icon_ || !pending_show_) return;
    icon_ = std::make_unique<QSystemTrayIcon>();
    QObject::connect(icon_.get(), &QSystemTrayIcon::activated,
                     [this](QSystemTrayIcon::ActivationReason reason) { activated(reason); });
    modify(pending_icon_, pending_tip_);
    pending_icon_ = QIcon();
    icon_->show();
}

void QtTrayHost::activated(QSystemTrayIcon::ActivationReason reason) {
    const auto send = [this](TrayNotification n) {
        if (on_notification) on_notification(n);
    };
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        clicks_.map(TrayActivation::Trigger, send);
        break;
    case QSystemTrayIcon::DoubleClick:
        clicks_.map(TrayActivation::DoubleClick, send);
        break;
    case QSystemTrayIcon::Context:
        clicks_.map(TrayActivation::Context, send);
        break;
    case QSystemTrayIcon::MiddleClick:
        clicks_.map(TrayActivation::MiddleClick, send);
        break;
    case QSystemTrayIcon::Unknown:
        break;
    }
}

bool QtTrayHost::add(const QIcon &icon, const QString &tip) {
    if (!icon_) {
        pending_show_ = true;
        modify(icon, tip);
        if (!create_timer_.isActive()) create_timer_.start();
        return true;
    }
    // An add right after a remove (every add begins with one) keeps the docked icon and
    // only changes its picture, instead of undocking and docking it again.
    hide_timer_.stop();
    modify(icon, tip);
    // Without a notification area at the moment Qt keeps the request and docks the icon as
    // soon as one appears, so the add itself always succeeds.
    if (!icon_->isVisible()) icon_->show();
    return true;
}

void QtTrayHost::modify(const QIcon &icon, const QString &tip) {
    if (!icon_) {
        pending_icon_ = icon;
        pending_tip_ = tip;
        return;
    }
    icon_->setIcon(icon);
    if (icon_->toolTip() != tip) icon_->setToolTip(tip);
}

// The icon leaves the notification area when control returns to the event loop, unless an
// add came first. Destroying the host removes it at once.
void QtTrayHost::remove() {
    if (!icon_) {
        pending_show_ = false;
        return;
    }
    if (icon_->isVisible()) hide_timer_.start();
}

QPoint QtTrayHost::cursor_pos() const { return QCursor::pos(); }

Qt::KeyboardModifiers QtTrayHost::modifiers() const {
    return QGuiApplication::queryKeyboardModifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
}

std::unique_ptr<TrayHost> make_qt_tray_host() { return std::make_unique<QtTrayHost>(); }

} // namespace trovel

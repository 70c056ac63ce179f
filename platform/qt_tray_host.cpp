// The notification area through QSystemTrayIcon. Qt reports whole clicks rather than
// button downs and ups, so each activation is translated into the notifications a click
// or a double click would have sent (see tray_activation.h). No context menu is ever set:
// nothing opens from the tray by itself.
#include "platform/qt_tray_host.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QWindow>

namespace trovel {

namespace {
// How long the icon waits at most for a window to be drawn: one that is never exposed (say
// on another workspace) must not keep it out.
constexpr int kMaxWaitMs = 500;
} // namespace

QtTrayHost::QtTrayHost() : expose_watch_([this] { create_timer_.start(); }) {
    // The QSystemTrayIcon is made in the event loop after the first add, once the windows
    // shown by then have been drawn. Making one asks the session bus whether a
    // status-notifier panel is there and waits for the answer, and docking in an XEmbed
    // tray keeps the window manager busy: done at start-up, both would hold back the bar,
    // whose request to be mapped goes out when the event loop starts, and then its first
    // paint. The icon appears a few milliseconds after the bar; nothing else changes.
    create_timer_.setSingleShot(true);
    create_timer_.setInterval(0);
    QObject::connect(&create_timer_, &QTimer::timeout, [this] { create_when_drawn(); });
    wait_limit_.setSingleShot(true);
    wait_limit_.setInterval(kMaxWaitMs);
    QObject::connect(&wait_limit_, &QTimer::timeout, [this] { create_icon(); });
    hide_timer_.setSingleShot(true);
    hide_timer_.setInterval(0);
    QObject::connect(&hide_timer_, &QTimer::timeout, [this] { icon_->hide(); });
}

bool QtTrayHost::ExposeWatch::eventFilter(QObject *watched, QEvent *event) {
    // Qt paints a window while it delivers its Expose event, so what runs next comes after.
    if (event->type() == QEvent::Expose) exposed_();
    return QObject::eventFilter(watched, event);
}

void QtTrayHost::create_when_drawn() {
    if (icon_ || !pending_show_) return;
    bool waiting = false;
    for (QWindow *w : QGuiApplication::topLevelWindows()) {
        if (w->isVisible() && !w->isExposed()) {
            w->installEventFilter(&expose_watch_); // installing twice keeps one
            waiting = true;
        }
    }
    if (!waiting)
        create_icon();
    else if (!wait_limit_.isActive())
        wait_limit_.start();
}

void QtTrayHost::create_icon() {
    wait_limit_.stop();
    for (QWindow *w : QGuiApplication::topLevelWindows())
        w->removeEventFilter(&expose_watch_);
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

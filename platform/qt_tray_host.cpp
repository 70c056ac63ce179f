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
    QObject::connect(&hide_timer_, &QTimer::timeout, [this] {
        shown_ = false;
        if (icon_) icon_->hide();
        if (item_) item_->hide();
    });
}

// The watchers go before the icons (they are declared after them), so none reports into a
// half-gone host.
QtTrayHost::~QtTrayHost() = default;

bool QtTrayHost::ExposeWatch::eventFilter(QObject *watched, QEvent *event) {
    // Qt paints a window while it delivers its Expose event, so what runs next comes after.
    if (event->type() == QEvent::Expose) exposed_();
    return QObject::eventFilter(watched, event);
}

void QtTrayHost::create_when_drawn() {
    if (kind() != TrayIconKind::none || !shown_) return;
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
    if (kind() != TrayIconKind::none || !shown_) return;
    // First, so that what the watch asks reaches the session bus before Qt's question.
    watch_for_hosts();
    make_qt_icon();
}

void QtTrayHost::make_qt_icon() {
    item_.reset();
    icon_ = std::make_unique<QSystemTrayIcon>();
    QObject::connect(icon_.get(), &QSystemTrayIcon::activated,
                     [this](QSystemTrayIcon::ActivationReason reason) { activated(reason); });
    icon_->setIcon(picture_);
    icon_->setToolTip(tip_);
    if (shown_) icon_->show();
}

void QtTrayHost::make_own_item() {
    icon_.reset();
    item_ = std::make_unique<StatusNotifierItem>();
    item_->on_activation = [this](TrayActivation a) { activate(a); };
    item_->set_icon(picture_);
    item_->set_tip(tip_);
    if (shown_) item_->show();
}

void QtTrayHost::watch_for_hosts() {
    // Qt's connection already receives the root window's client messages, and the session
    // bus sends only what changes: neither wakes the program while nothing does.
    sni_watch_ = std::make_unique<StatusNotifierWatch>();
    sni_watch_->on_arrival = [this] { host_arrived(TrayArrival::status_notifier_watcher); };
    sni_watch_->on_watcher_gone = [this] {
        if (item_) item_->watcher_gone();
    };
    // Posted, so that Qt, which docks its own icon in a new tray, has seen the message too.
    xembed_watch_ = X11TrayManagerWatch::make([this] {
        QMetaObject::invokeMethod(
            sni_watch_.get(), [this] { host_arrived(TrayArrival::xembed_tray); }, Qt::QueuedConnection);
    });
}

TrayIconKind QtTrayHost::kind() const {
    if (item_) return TrayIconKind::own_item;
    return icon_ ? TrayIconKind::qt_icon : TrayIconKind::none;
}

// Qt keeps an icon that it made for a status-notifier panel registered with every new
// watcher, and one docked in an XEmbed tray (which has a place on the screen) docked.
bool QtTrayHost::has_host() const {
    if (item_) return item_->registered();
    return icon_ && (sni_watch_->host_at_start().value_or(false) || !icon_->geometry().isEmpty());
}

bool QtTrayHost::area_present() const {
    // Only a Qt icon can know that nothing shows it: before it is made nothing was asked
    // yet, and the own item exists because a panel came up. Asking Qt may take a round trip
    // to the X server, so this is asked only when an animation starts.
    if (kind() != TrayIconKind::qt_icon) return true;
    return has_host() || QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayHost::host_arrived(TrayArrival arrival) {
    switch (after_arrival(kind(), has_host(), arrival)) {
    case TrayStep::keep:
        break;
    case TrayStep::own_item:
        make_own_item();
        break;
    case TrayStep::register_again:
        item_->register_again();
        break;
    case TrayStep::remake_qt_icon:
        make_qt_icon();
        break;
    }
    if (on_area_arrived) on_area_arrived();
}

void QtTrayHost::activate(TrayActivation a) {
    clicks_.map(a, [this](TrayNotification n) {
        if (on_notification) on_notification(n);
    });
}

void QtTrayHost::activated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        activate(TrayActivation::Trigger);
        break;
    case QSystemTrayIcon::DoubleClick:
        activate(TrayActivation::DoubleClick);
        break;
    case QSystemTrayIcon::Context:
        activate(TrayActivation::Context);
        break;
    case QSystemTrayIcon::MiddleClick:
        activate(TrayActivation::MiddleClick);
        break;
    case QSystemTrayIcon::Unknown:
        break;
    }
}

bool QtTrayHost::add(const QIcon &icon, const QString &tip) {
    // An add right after a remove (every add begins with one) keeps the docked icon and
    // only changes its picture, instead of undocking and docking it again.
    hide_timer_.stop();
    shown_ = true;
    modify(icon, tip);
    if (kind() == TrayIconKind::none) {
        if (!create_timer_.isActive()) create_timer_.start();
        return true;
    }
    // Without a notification area at the moment Qt keeps the request and docks the icon as
    // soon as one appears, so the add itself always succeeds.
    if (icon_ && !icon_->isVisible()) icon_->show();
    if (item_) item_->show();
    return true;
}

void QtTrayHost::modify(const QIcon &icon, const QString &tip) {
    picture_ = icon;
    tip_ = tip;
    if (icon_) {
        icon_->setIcon(icon);
        if (icon_->toolTip() != tip) icon_->setToolTip(tip);
    }
    if (item_) {
        item_->set_icon(icon);
        item_->set_tip(tip);
    }
}

// The icon leaves the notification area when control returns to the event loop, unless an
// add came first. Destroying the host removes it at once.
void QtTrayHost::remove() {
    if (kind() == TrayIconKind::none)
        shown_ = false;
    else if (shown_)
        hide_timer_.start();
}

QPoint QtTrayHost::cursor_pos() const { return QCursor::pos(); }

Qt::KeyboardModifiers QtTrayHost::modifiers() const {
    return QGuiApplication::queryKeyboardModifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
}

std::unique_ptr<TrayHost> make_qt_tray_host() { return std::make_unique<QtTrayHost>(); }

} // namespace trovel

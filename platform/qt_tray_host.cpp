// The notification area through QSystemTrayIcon. Qt reports whole clicks rather than
// button downs and ups, so each activation is translated into the notifications a click
// or a double click would have sent (see tray_activation.h). No context menu is ever set:
// nothing opens from the tray by itself.
#include "platform/tray_activation.h"
#include "platform/tray_host.h"

#include <QCursor>
#include <QGuiApplication>
#include <QSystemTrayIcon>
#include <QTimer>

namespace trovel {

namespace {

class QtTrayHost : public TrayHost {
public:
    QtTrayHost() {
        hide_timer_.setSingleShot(true);
        hide_timer_.setInterval(0);
        QObject::connect(&hide_timer_, &QTimer::timeout, [this] { icon_.hide(); });
        QObject::connect(&icon_, &QSystemTrayIcon::activated, [this](QSystemTrayIcon::ActivationReason reason) {
            const auto send = [this](TrayNotification n) { notify(n); };
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
        });
    }

    bool add(const QIcon &icon, const QString &tip) override {
        // An add right after a remove (every add begins with one) keeps the docked icon
        // and only changes its picture, instead of undocking and docking it again.
        hide_timer_.stop();
        modify(icon, tip);
        // Without a notification area at the moment Qt keeps the request and docks the
        // icon as soon as one appears, so the add itself always succeeds.
        if (!icon_.isVisible()) icon_.show();
        return true;
    }
    void modify(const QIcon &icon, const QString &tip) override {
        icon_.setIcon(icon);
        if (icon_.toolTip() != tip) icon_.setToolTip(tip);
    }
    // The icon leaves the notification area when control returns to the event loop,
    // unless an add came first. Destroying the host removes it at once.
    void remove() override {
        if (icon_.isVisible()) hide_timer_.start();
    }
    QPoint cursor_pos() const override { return QCursor::pos(); }
    Qt::KeyboardModifiers modifiers() const override {
        return QGuiApplication::queryKeyboardModifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    }

private:
    void notify(TrayNotification n) {
        if (on_notification) on_notification(n);
    }
    TrayActivationMap clicks_;
    QSystemTrayIcon icon_;
    QTimer hide_timer_;
};

} // namespace

std::unique_ptr<TrayHost> make_qt_tray_host() { return std::make_unique<QtTrayHost>(); }

} // namespace trovel

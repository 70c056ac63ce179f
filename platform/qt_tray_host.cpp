// The notification area through QSystemTrayIcon. Qt reports whole clicks rather than
// button downs and ups, so each activation is translated into the notifications a click
// would have sent. No context menu is ever set: nothing opens from the tray by itself.
#include "platform/tray_host.h"

#include <QCursor>
#include <QGuiApplication>
#include <QSystemTrayIcon>

namespace trovel {

namespace {

class QtTrayHost : public TrayHost {
public:
    QtTrayHost() {
        QObject::connect(&icon_, &QSystemTrayIcon::activated, [this](QSystemTrayIcon::ActivationReason reason) {
            switch (reason) {
            case QSystemTrayIcon::Trigger:
                notify(TrayNotification::LeftDown);
                notify(TrayNotification::LeftUp);
                break;
            case QSystemTrayIcon::DoubleClick:
                notify(TrayNotification::LeftDouble);
                break;
            case QSystemTrayIcon::Context:
                notify(TrayNotification::RightDown);
                notify(TrayNotification::RightUp);
                break;
            case QSystemTrayIcon::MiddleClick:
                notify(TrayNotification::MiddleDown);
                notify(TrayNotification::MiddleUp);
                break;
            case QSystemTrayIcon::Unknown:
                break;
            }
        });
    }

    bool add(const QIcon &icon, const QString &tip) override {
        icon_.setIcon(icon);
        icon_.setToolTip(tip);
        // Without a notification area at the moment Qt keeps the request and docks the
        // icon as soon as one appears, so the add itself always succeeds.
        icon_.show();
        return true;
    }
    void modify(const QIcon &icon, const QString &tip) override {
        icon_.setIcon(icon);
        icon_.setToolTip(tip);
    }
    void remove() override { icon_.hide(); }
    QPoint cursor_pos() const override { return QCursor::pos(); }
    Qt::KeyboardModifiers modifiers() const override {
        return QGuiApplication::queryKeyboardModifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    }

private:
    void notify(TrayNotification n) {
        if (on_notification) on_notification(n);
    }
    QSystemTrayIcon icon_;
};

} // namespace

std::unique_ptr<TrayHost> make_qt_tray_host() { return std::make_unique<QtTrayHost>(); }

} // namespace trovel

// The notification area as the tray icon sees it: add, modify and remove one icon with its
// tip text, and mouse notifications coming back. The real one wraps QSystemTrayIcon; tests
// use a fake that counts what is sent.
#pragma once

#include <QIcon>
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>

namespace trovel {

enum class TrayNotification {
    MouseMove,
    LeftDown,
    LeftUp,
    LeftDouble,
    RightDown,
    RightUp,
    RightDouble,
    MiddleDown,
    MiddleUp,
    MiddleDouble,
};

class TrayHost {
public:
    virtual ~TrayHost() = default;
    // Puts the icon into the notification area; false when the area refused it.
    virtual bool add(const QIcon &icon, const QString &tip) = 0;
    virtual void modify(const QIcon &icon, const QString &tip) = 0;
    virtual void remove() = 0;
    // The pointer in screen coordinates and the Shift, Ctrl and Alt keys, read when a
    // notification is handled.
    virtual QPoint cursor_pos() const = 0;
    virtual Qt::KeyboardModifiers modifiers() const = 0;
    // Whether a notification area is there to show the icon; one that cannot tell says yes.
    virtual bool area_present() const { return true; }

    std::function<void(TrayNotification)> on_notification;
    // A notification area came up.
    std::function<void()> on_area_arrived;
};

// The real notification area, through QSystemTrayIcon.
std::unique_ptr<TrayHost> make_qt_tray_host();

} // namespace trovel

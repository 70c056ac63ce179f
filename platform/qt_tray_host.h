// The notification area through QSystemTrayIcon. Declared here so that tests can see when
// the QSystemTrayIcon comes into being; the program reaches it through make_qt_tray_host().
#pragma once

#include "platform/status_notifier_item.h"
#include "platform/tray_activation.h"
#include "platform/tray_arrival.h"
#include "platform/tray_host.h"
#include "platform/x11_tray_manager.h"

#include <QIcon>
#include <QString>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>
#include <memory>

namespace trovel {

class QtTrayHost : public TrayHost {
public:
    QtTrayHost();
    ~QtTrayHost() override;

    bool add(const QIcon &icon, const QString &tip) override;
    void modify(const QIcon &icon, const QString &tip) override;
    void remove() override;
    QPoint cursor_pos() const override;
    Qt::KeyboardModifiers modifiers() const override;
    bool area_present() const override;

    // The icon Qt shows; null until the first add has reached the event loop and the
    // program's windows shown by then have been drawn. From then on, notification areas
    // that come up are watched for (see tray_arrival.h).
    const QSystemTrayIcon *icon() const { return icon_.get(); }
    // The program's own status-notifier item, made when a status-notifier panel came up
    // after the Qt icon was made without a host; the Qt icon is gone then.
    StatusNotifierItem *item() const { return item_.get(); }

    // A notification area came up (the watchers' report; tests call it directly).
    void host_arrived(TrayArrival arrival);

private:
    // Forwards the windows' Expose events.
    class ExposeWatch : public QObject {
    public:
        explicit ExposeWatch(std::function<void()> exposed) : exposed_(std::move(exposed)) {}
        bool eventFilter(QObject *watched, QEvent *event) override;

    private:
        std::function<void()> exposed_;
    };

    void create_when_drawn();
    void create_icon();
    void make_qt_icon();
    void make_own_item();
    void watch_for_hosts();
    TrayIconKind kind() const;
    bool has_host() const;
    void activate(TrayActivation a);
    void activated(QSystemTrayIcon::ActivationReason reason);

    TrayActivationMap clicks_;
    std::unique_ptr<QSystemTrayIcon> icon_;
    std::unique_ptr<StatusNotifierItem> item_;
    // What was last asked for, applied to each icon that is made.
    QIcon picture_;
    QString tip_;
    bool shown_ = false;
    std::unique_ptr<StatusNotifierWatch> sni_watch_;
    std::unique_ptr<X11TrayManagerWatch> xembed_watch_;
    QTimer create_timer_;
    QTimer wait_limit_;
    ExposeWatch expose_watch_;
    QTimer hide_timer_;
};

} // namespace trovel

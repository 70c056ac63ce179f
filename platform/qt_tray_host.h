// The notification area through QSystemTrayIcon. Declared here so that tests can see when
// the QSystemTrayIcon comes into being; the program reaches it through make_qt_tray_host().
#pragma once

#include "platform/tray_activation.h"
#include "platform/tray_host.h"

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

    bool add(const QIcon &icon, const QString &tip) override;
    void modify(const QIcon &icon, const QString &tip) override;
    void remove() override;
    QPoint cursor_pos() const override;
    Qt::KeyboardModifiers modifiers() const override;

    // The icon Qt shows; null until the first add has reached the event loop and the
    // program's windows shown by then have been drawn.
    const QSystemTrayIcon *icon() const { return icon_.get(); }

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
    void activated(QSystemTrayIcon::ActivationReason reason);

    TrayActivationMap clicks_;
    std::unique_ptr<QSystemTrayIcon> icon_;
    // What an add before the QSystemTrayIcon exists asks for.
    QIcon pending_icon_;
    QString pending_tip_;
    bool pending_show_ = false;
    QTimer create_timer_;
    QTimer wait_limit_;
    ExposeWatch expose_watch_;
    QTimer hide_timer_;
};

} // namespace trovel

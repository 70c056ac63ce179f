// The program's own status-notifier item (org.kde.StatusNotifierItem on the session bus),
// shown when a status-notifier panel comes up after the Qt icon was made without a host
// (see tray_arrival.h). It offers what Qt's item offers a panel: the picture as ARGB
// pixmaps, the tip, and the activations; no menu.
#pragma once

#include "platform/tray_activation.h"

#include <QByteArray>
#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

namespace trovel {

// One picture of the icon: 32-bit ARGB pixels in network byte order, row by row.
struct SniPixmap {
    int width = 0;
    int height = 0;
    QByteArray argb;
};
using SniPixmaps = QList<SniPixmap>;

struct SniToolTip {
    QString icon_name;
    SniPixmaps icon;
    QString title;
    QString text;
};

// The icon's pictures in every size it has (16x16 when it names none).
SniPixmaps sni_pixmaps(const QIcon &icon);

class StatusNotifierItem : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    // The D-Bus property names are the protocol's.
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ id)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ window_id)
    Q_PROPERTY(QString IconName READ no_name)
    Q_PROPERTY(trovel::SniPixmaps IconPixmap READ icon_pixmap)
    Q_PROPERTY(QString OverlayIconName READ no_name)
    Q_PROPERTY(trovel::SniPixmaps OverlayIconPixmap READ no_pixmap)
    Q_PROPERTY(QString AttentionIconName READ no_name)
    Q_PROPERTY(trovel::SniPixmaps AttentionIconPixmap READ no_pixmap)
    Q_PROPERTY(QString IconThemePath READ no_name)
    Q_PROPERTY(trovel::SniToolTip ToolTip READ tool_tip)
    Q_PROPERTY(bool ItemIsMenu READ item_is_menu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)

public:
    StatusNotifierItem();
    ~StatusNotifierItem() override;

    // Puts the item on the session bus and asks the watcher to show it; false when the
    // bus refused the name or the object.
    bool show();
    // Takes the item off the bus: the watcher drops it.
    void hide();
    // Asks the watcher that just came up to show the item (a watcher knows only the items
    // registered with it).
    void register_again();
    // The watcher answered the last registration, and has not gone since.
    bool registered() const { return registered_; }
    void watcher_gone() { registered_ = false; }

    void set_icon(const QIcon &icon);
    void set_tip(const QString &tip);

    // Each activation the panel sends.
    std::function<void(TrayActivation)> on_activation;

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const;
    QString status() const { return QStringLiteral("Active"); }
    int window_id() const { return 0; }
    QString no_name() const { return {}; }
    SniPixmaps icon_pixmap() const { return pixmaps_; }
    SniPixmaps no_pixmap() const { return {}; }
    SniToolTip tool_tip() const;
    bool item_is_menu() const { return false; }
    QDBusObjectPath menu() const { return QDBusObjectPath(QStringLiteral("/NO_DBUSMENU")); }

public slots:
    // The protocol's methods: a click, a middle click, a right click, the wheel.
    void Activate(int x, int y);
    void SecondaryActivate(int x, int y);
    void ContextMenu(int x, int y);
    void Scroll(int delta, const QString &orientation);

signals:
    void NewIcon();
    void NewToolTip();

private:
    void send_registration();

    QString service_;
    SniPixmaps pixmaps_;
    qint64 icon_key_ = 0;
    // The icon's few frames, converted once each.
    QHash<qint64, SniPixmaps> converted_;
    QString tip_;
    bool on_bus_ = false;
    bool registered_ = false;
};

// Watches the session bus for a status-notifier watcher that takes its name and a host
// (the panel) that registers with it. Setting it up sends a match rule and one question
// without waiting for the answer; then nothing is sent or woken while nothing changes.
class StatusNotifierWatch : public QObject {
    Q_OBJECT
public:
    StatusNotifierWatch();

    // A watcher took the name, or a host registered with the watcher.
    std::function<void()> on_arrival;
    // The watcher that had the name left it.
    std::function<void()> on_watcher_gone;
    // Whether a host had registered with a watcher when the watch began: what Qt found if
    // it made its first icon right after. Empty until the answer came; it comes before any
    // arrival is reported.
    std::optional<bool> host_at_start() const { return host_at_start_; }

private slots:
    void host_registered();

private:
    QDBusServiceWatcher names_;
    std::optional<bool> host_at_start_;
};

} // namespace trovel

Q_DECLARE_METATYPE(trovel::SniPixmap)
Q_DECLARE_METATYPE(trovel::SniToolTip)

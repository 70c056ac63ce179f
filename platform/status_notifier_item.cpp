// The item lives on the program's session-bus connection under the well-known name
// org.kde.StatusNotifierItem-PID-1, object /StatusNotifierItem, as panels expect; taking
// the name and registering cost a round trip each, only when the item is shown.
#include "platform/status_notifier_item.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QImage>
#include <QPixmap>
#include <QtEndian>

namespace trovel {

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString kItemPath = QStringLiteral("/StatusNotifierItem");
// More than a handful of pictures means they are not the animation's frames.
constexpr qsizetype kMaxConverted = 8;

} // namespace

QDBusArgument &operator<<(QDBusArgument &out, const SniPixmap &p) {
    out.beginStructure();
    out << p.width << p.height << p.argb;
    out.endStructure();
    return out;
}

const QDBusArgument &operator>>(const QDBusArgument &in, SniPixmap &p) {
    in.beginStructure();
    in >> p.width >> p.height >> p.argb;
    in.endStructure();
    return in;
}

QDBusArgument &operator<<(QDBusArgument &out, const SniToolTip &t) {
    out.beginStructure();
    out << t.icon_name << t.icon << t.title << t.text;
    out.endStructure();
    return out;
}

const QDBusArgument &operator>>(const QDBusArgument &in, SniToolTip &t) {
    in.beginStructure();
    in >> t.icon_name >> t.icon >> t.title >> t.text;
    in.endStructure();
    return in;
}

SniPixmaps sni_pixmaps(const QIcon &icon) {
    QList<QSize> sizes = icon.availableSizes();
    if (sizes.isEmpty()) sizes.append(QSize(16, 16));
    SniPixmaps out;
    for (const QSize &size : sizes) {
        const QImage image = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        if (image.isNull()) continue;
        SniPixmap p{image.width(), image.height(), QByteArray(image.width() * image.height() * 4, Qt::Uninitialized)};
        auto *to = reinterpret_cast<uchar *>(p.argb.data());
        for (int y = 0; y < image.height(); ++y) {
            const auto *row = reinterpret_cast<const quint32 *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x, to += 4)
                qToBigEndian(row[x], to);
        }
        out.append(p);
    }
    return out;
}

StatusNotifierItem::StatusNotifierItem()
    : service_(QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid())) {
    static const bool types = [] {
        qDBusRegisterMetaType<SniPixmap>();
        qDBusRegisterMetaType<SniPixmaps>();
        qDBusRegisterMetaType<SniToolTip>();
        return true;
    }();
    (void)types;
}

StatusNotifierItem::~StatusNotifierItem() { hide(); }

QString StatusNotifierItem::id() const { return QCoreApplication::applicationName(); }

SniToolTip StatusNotifierItem::tool_tip() const { return SniToolTip{QString(), {}, tip_, QString()}; }

bool StatusNotifierItem::show() {
    if (on_bus_) return true;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    if (!bus.registerObject(kItemPath, this,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                                QDBusConnection::ExportAllProperties))
        return false;
    if (!bus.registerService(service_)) {
        bus.unregisterObject(kItemPath);
        return false;
    }
    on_bus_ = true;
    send_registration();
    return true;
}

void StatusNotifierItem::hide() {
    registered_ = false;
    if (!on_bus_) return;
    on_bus_ = false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(service_);
    bus.unregisterObject(kItemPath);
}

void StatusNotifierItem::register_again() {
    registered_ = false;
    if (on_bus_) send_registration();
}

void StatusNotifierItem::send_registration() {
    QDBusMessage call = QDBusMessage::createMethodCall(kWatcherService, kWatcherPath, kWatcherService,
                                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << service_;
    auto *pending = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *w) {
        if (on_bus_ && !w->isError()) registered_ = true;
        w->deleteLater();
    });
}

void StatusNotifierItem::set_icon(const QIcon &icon) {
    if (icon.cacheKey() == icon_key_) return;
    icon_key_ = icon.cacheKey();
    auto found = converted_.constFind(icon_key_);
    if (found == converted_.constEnd()) {
        if (converted_.size() >= kMaxConverted) converted_.clear();
        found = converted_.insert(icon_key_, sni_pixmaps(icon));
    }
    pixmaps_ = *found;
    if (on_bus_) emit NewIcon();
}

void StatusNotifierItem::set_tip(const QString &tip) {
    if (tip == tip_) return;
    tip_ = tip;
    if (on_bus_) emit NewToolTip();
}

void StatusNotifierItem::Activate(int, int) {
    if (on_activation) on_activation(TrayActivation::Trigger);
}

void StatusNotifierItem::SecondaryActivate(int, int) {
    if (on_activation) on_activation(TrayActivation::MiddleClick);
}

void StatusNotifierItem::ContextMenu(int, int) {
    if (on_activation) on_activation(TrayActivation::Context);
}

void StatusNotifierItem::Scroll(int, const QString &) {}

StatusNotifierWatch::StatusNotifierWatch()
    : names_(kWatcherService, QDBusConnection::sessionBus(), QDBusServiceWatcher::WatchForOwnerChange) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    connect(&names_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &old_owner, const QString &new_owner) {
                if (!old_owner.isEmpty() && on_watcher_gone) on_watcher_gone();
                if (!new_owner.isEmpty() && on_arrival) on_arrival();
            });
    // From any sender: naming the watcher would make Qt look up its owner, a round trip
    // while the program waits; only a watcher sends this signal on this path.
    bus.connect(QString(), kWatcherPath, kWatcherService, QStringLiteral("StatusNotifierHostRegistered"), this,
                SLOT(host_registered()));
    // The same question Qt asks before its first icon; with no watcher it gets an error.
    QDBusMessage get = QDBusMessage::createMethodCall(
        kWatcherService, kWatcherPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kWatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
    auto *pending = new QDBusPendingCallWatcher(bus.asyncCall(get), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *w) {
        const QDBusPendingReply<QDBusVariant> reply = *w;
        host_at_start_ = !reply.isError() && reply.value().variant().toBool();
        w->deleteLater();
    });
}

void StatusNotifierWatch::host_registered() {
    if (on_arrival) on_arrival();
}

} // namespace trovel

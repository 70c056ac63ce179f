// One blocking method call per query, with a short timeout; any error, a reply of an
// unexpected type or an implausible number is "unknown".
#include "platform/dbus_idle_source.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QMetaType>
#include <QVariant>

namespace trovel {

namespace {

QDBusMessage method_call(DBusIdleSource::Service service) {
    if (service == DBusIdleSource::Service::gnome_idle_monitor)
        return QDBusMessage::createMethodCall(
            QStringLiteral("org.gnome.Mutter.IdleMonitor"), QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"),
            QStringLiteral("org.gnome.Mutter.IdleMonitor"), QStringLiteral("GetIdletime"));
    return QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("/org/freedesktop/ScreenSaver"),
        QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("GetSessionIdleTime"));
}

// Mutter answers an unsigned 64-bit number, the screen saver an unsigned 32-bit one;
// any integer type is taken, so a signed -1 is seen for what it is.
std::optional<int64_t> idle_from_reply(const QDBusMessage &reply) {
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1) return std::nullopt;
    const QVariant value = reply.arguments().constFirst();
    switch (value.metaType().id()) {
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::UChar:
        return plausible_idle_ms(static_cast<uint64_t>(value.toULongLong()));
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
        return plausible_idle_ms(static_cast<int64_t>(value.toLongLong()));
    default:
        return std::nullopt;
    }
}

} // namespace

DBusIdleSource::DBusIdleSource(Service service, int timeout_ms) : service_(service), timeout_ms_(timeout_ms) {}

std::optional<int64_t> DBusIdleSource::idle_ms() {
    if (skip_ > 0) {
        --skip_;
        return std::nullopt;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return std::nullopt;
    const QDBusMessage reply = bus.call(method_call(service_), QDBus::Block, timeout_ms_);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        const QDBusError::ErrorType error = QDBusError(reply).type();
        if (error == QDBusError::NoReply || error == QDBusError::Timeout || error == QDBusError::TimedOut)
            skip_ = kQueriesSkippedAfterTimeout;
        return std::nullopt;
    }
    return idle_from_reply(reply);
}

} // namespace trovel

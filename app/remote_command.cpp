#include "app/remote_command.h"

#include "app/bus_interface.h"
#include "app/countdown.h"
#include "app/cycle_words.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>
#include <cstdio>
#include <cstdlib>

namespace trovel {

namespace {

// Long enough for a busy program; the service answers before it acts.
constexpr int kCallTimeoutMs = 10000;

QString time_left(int32_t seconds) { return countdown_text(0, -seconds); }

QDateTime pause_end(const RemoteStatus &status, const QDateTime &now) {
    return QDateTime::fromSecsSinceEpoch(status.paused_until, now.timeZone());
}

QString method_of(RemoteCommand command) {
    switch (command) {
    case RemoteCommand::take_break:
        return QStringLiteral("TakeBreak");
    case RemoteCommand::skip:
        return QStringLiteral("Skip");
    case RemoteCommand::later:
        return QStringLiteral("Later");
    case RemoteCommand::pause:
        return QStringLiteral("Pause");
    case RemoteCommand::resume:
        return QStringLiteral("Resume");
    case RemoteCommand::status:
    case RemoteCommand::none:
        break;
    }
    return QString();
}

} // namespace

RemoteStatus remote_status(const QVariantMap &properties) {
    RemoteStatus status;
    status.phase = properties.value(QStringLiteral("Phase")).toString();
    status.seconds_left = properties.value(QStringLiteral("SecondsLeft")).toInt();
    status.breaks_ignored = properties.value(QStringLiteral("BreaksIgnored")).toInt();
    status.paused_until = properties.value(QStringLiteral("PausedUntil")).toLongLong();
    return status;
}

QString status_line(const RemoteStatus &status, const QDateTime &now) {
    QString line = QStringLiteral("%1 %2 left, %3 %4 ignored")
                       .arg(status.phase, time_left(status.seconds_left))
                       .arg(status.breaks_ignored)
                       .arg(status.breaks_ignored == 1 ? QStringLiteral("break") : QStringLiteral("breaks"));
    if (status.phase == phase::pause) {
        if (status.paused_until == 0) {
            line += QStringLiteral(", paused until resumed");
        } else {
            const QDateTime end = pause_end(status, now);
            line +=
                QStringLiteral(", paused until ") +
                end.toString(end.date() == now.date() ? QStringLiteral("HH:mm") : QStringLiteral("yyyy-MM-dd HH:mm"));
        }
    }
    return line + QLatin1Char('\n');
}

QString status_json(const RemoteStatus &status, const QDateTime &now) {
    QJsonObject object;
    object.insert(QStringLiteral("phase"), status.phase);
    object.insert(QStringLiteral("time_left"), time_left(status.seconds_left));
    object.insert(QStringLiteral("seconds_left"), status.seconds_left);
    object.insert(QStringLiteral("breaks_ignored"), status.breaks_ignored);
    if (status.paused_until == 0) {
        object.insert(QStringLiteral("paused_until"), QJsonValue::Null);
    } else {
        const QDateTime end = pause_end(status, now);
        object.insert(QStringLiteral("paused_until"), end.toOffsetFromUtc(end.offsetFromUtc()).toString(Qt::ISODate));
    }
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
}

RemoteResult send_remote_command(const RemoteRequest &request) {
    const QDBusConnection connection = QDBusConnection::sessionBus();
    if (!connection.isConnected()) {
        const QString why = connection.lastError().message();
        return {kExitNoBus, QString(),
                QStringLiteral("trovel: no session bus%1\n")
                    .arg(why.isEmpty() ? QString() : QStringLiteral(" (") + why + QLatin1Char(')'))};
    }
    QDBusMessage call;
    if (request.command == RemoteCommand::status) {
        call = QDBusMessage::createMethodCall(bus::kName, bus::kPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                              QStringLiteral("GetAll"));
        call << bus::kInterface;
    } else {
        call = QDBusMessage::createMethodCall(bus::kName, bus::kPath, bus::kInterface, method_of(request.command));
        if (request.command == RemoteCommand::pause) call << request.minutes;
    }
    // Nothing would start Trovel for a command: one that is not running says so.
    call.setAutoStartService(false);
    const QDBusMessage reply = connection.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        const QString name = reply.errorName();
        if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
            name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
            return {kExitNotRunning, QString(), QStringLiteral("trovel: Trovel is not running\n")};
        if (name == bus::kErrorNotNow)
            return {kExitRefused, QString(), QStringLiteral("trovel: not now: %1\n").arg(reply.errorMessage())};
        return {1, QString(), QStringLiteral("trovel: %1\n").arg(reply.errorMessage())};
    }
    if (reply.type() != QDBusMessage::ReplyMessage)
        return {1, QString(), QStringLiteral("trovel: no answer from the running Trovel\n")};
    if (request.command != RemoteCommand::status) return {};
    const auto properties = qdbus_cast<QVariantMap>(reply.arguments().value(0));
    if (properties.isEmpty()) return {1, QString(), QStringLiteral("trovel: the running Trovel told no status\n")};
    const RemoteStatus status = remote_status(properties);
    const QDateTime now = QDateTime::currentDateTime();
    return {0, request.json ? status_json(status, now) : status_line(status, now), QString()};
}

void run_remote_command(const RemoteRequest &request, int argc, char **argv) {
    const QCoreApplication app(argc, argv);
    const RemoteResult result = send_remote_command(request);
    std::fputs(qUtf8Printable(result.out), stdout);
    std::fputs(qUtf8Printable(result.err), stderr);
    std::fflush(nullptr);
    // Qt's bus connection has a thread that still reads (the bus's greeting, say) while the
    // application and the static destructors at exit take apart the types it reads into, and warns of that at
    // times. Nothing is left to save here, so the process ends without them.
    std::_Exit(result.exit_code);
}

} // namespace trovel

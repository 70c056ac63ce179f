#include "app/bus_service.h"

#include "app/bus_interface.h"
#include "app/command_line.h"
#include "app/cycle_words.h"
#include "app/timer_u.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDateTime>
#include <QVariantMap>
#include <algorithm>
#include <cstdio>

namespace trovel {

std::unique_ptr<BusService> BusService::start(TForm1 &form, const ErrorReport &report) {
    QDBusConnection connection = QDBusConnection::sessionBus();
    if (!connection.isConnected()) return nullptr;
    std::unique_ptr<BusService> service(new BusService(form, report));
    // The object first, so a caller who sees the name finds it.
    if (!connection.registerObject(bus::kPath, service.get(),
                                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties)) {
        std::fprintf(stderr, "trovel: running without the D-Bus interface (%s is taken on this connection)\n",
                     qUtf8Printable(bus::kPath));
        return nullptr;
    }
    if (!connection.registerService(bus::kName)) {
        // Another copy, one with settings of its own, answers there; the commands go to it.
        const QDBusError error = connection.lastError();
        std::fprintf(stderr, "trovel: running without the D-Bus interface: %s\n",
                     error.isValid() ? qUtf8Printable(error.message())
                                     : qUtf8Printable(bus::kName + QStringLiteral(" is owned by another Trovel")));
        connection.unregisterObject(bus::kPath);
        return nullptr;
    }
    return service;
}

BusService::BusService(TForm1 &form, const ErrorReport &report)
    : form_(form), report_(report), told_phase_(phase()), told_ignored_(breaks_ignored()),
      told_paused_until_(paused_until()) {
    connect(&form_, &TForm1::cycle_changed, this, &BusService::cycle_changed);
}

BusService::~BusService() { QDBusConnection::sessionBus().unregisterObject(bus::kPath); }

QString BusService::phase() const { return form_.state(); }

int BusService::seconds_left() const {
    if (form_.state() == phase::pause) {
        const QDateTime until = form_.timed_pause_end();
        return until.isValid() ? static_cast<int>(std::max<qint64>(QDateTime::currentDateTime().secsTo(until), 0)) : 0;
    }
    return form_.seconds_left();
}

int BusService::breaks_ignored() const { return form_.breaks_ignored(); }

qlonglong BusService::paused_until() const {
    const QDateTime until = form_.timed_pause_end();
    return until.isValid() ? until.toSecsSinceEpoch() : 0;
}

void BusService::run_soon(std::function<void()> work) {
    // The answer goes out when the method returns; the command runs in a later turn of the
    // event loop, before any later call of the same caller is dispatched.
    pending_.append(std::move(work));
    if (run_posted_) return;
    run_posted_ = true;
    QMetaObject::invokeMethod(this, &BusService::run_pending, Qt::QueuedConnection);
}

void BusService::run_pending() {
    run_posted_ = false;
    // Inside a modal box's own event loop the handler that opened it has not finished; a
    // command run there would be undone by the rest of it. The menu waits for the box, and
    // so do these: they run once it is gone.
    if (QWidget *modal = QApplication::activeModalWidget()) {
        run_posted_ = true;
        connect(modal, &QObject::destroyed, this, &BusService::run_pending, Qt::QueuedConnection);
        return;
    }
    while (!pending_.isEmpty())
        pending_.takeFirst()();
}

void BusService::TakeBreak() {
    run_soon([this] { form_.menu_test->Click(); });
}

void BusService::Skip() {
    run_soon([this] { form_.menu_restart->Click(); });
}

void BusService::Later() {
    if (!form_.menu_postpone->Enabled()) {
        sendErrorReply(bus::kErrorNotNow,
                       form_.state() == phase::rest || form_.state() == phase::alarm
                           ? QStringLiteral("This rest was put off twice in a row already")
                           : QStringLiteral("No rest to put off: the phase is %1").arg(form_.state()));
        return;
    }
    run_soon([this] { form_.menu_postpone->Click(); });
}

void BusService::Pause(int minutes) {
    if (minutes < 0 || minutes > kMostPauseMinutes) {
        sendErrorReply(QDBusError::InvalidArgs,
                       QStringLiteral("A pause lasts from 0 (until resumed) to %1 minutes, not %2")
                           .arg(kMostPauseMinutes)
                           .arg(minutes));
        return;
    }
    run_soon([this, minutes] {
        if (minutes > 0) report_errors(report_, [this, minutes] { form_.pause_for_minutes(minutes); });
        // As checking the menu's item: a pause already running goes on as it is.
        else if (form_.state() != phase::pause)
            form_.menu_pause->Click();
    });
}

void BusService::Resume() {
    run_soon([this] {
        // As unchecking the menu's item, which is checked only while paused.
        if (form_.state() == phase::pause) form_.menu_pause->Click();
    });
}

void BusService::cycle_changed() {
    // A command changes the phase and the count one after the other: one signal for both.
    if (changes_posted_) return;
    changes_posted_ = true;
    QMetaObject::invokeMethod(this, &BusService::send_changes, Qt::QueuedConnection);
}

void BusService::send_changes() {
    changes_posted_ = false;
    QVariantMap changed;
    if (const QString now = phase(); now != told_phase_) changed.insert(QStringLiteral("Phase"), told_phase_ = now);
    if (const int now = breaks_ignored(); now != told_ignored_)
        changed.insert(QStringLiteral("BreaksIgnored"), told_ignored_ = now);
    if (const qlonglong now = paused_until(); now != told_paused_until_)
        changed.insert(QStringLiteral("PausedUntil"), told_paused_until_ = now);
    if (changed.isEmpty()) return;
    QDBusMessage signal = QDBusMessage::createSignal(bus::kPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << bus::kInterface << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

} // namespace trovel

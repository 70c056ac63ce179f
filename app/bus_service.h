// The running Trovel on the session bus: the commands of its menu (take a break, skip,
// later, pause, resume) as methods, and the cycle's phase, time left, breaks ignored and
// the end of a timed pause as read-only properties. A method answers at once and runs the
// menu's own handler right after, in the event loop, through the same error report: an
// error box that handler opens never holds up the caller. While a modal box or dialog is
// open, which holds the menu back, the commands wait until it has closed. PropertiesChanged
// goes out when the phase, the ignored count or the pause's end changes, never at a tick.
#pragma once

#include "platform/error_report.h"

#include <QDBusContext>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace trovel {

class TForm1;

class BusService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.example.trovel")
    // Written out, so that the time left can say it changes without a signal.
    Q_CLASSINFO("D-Bus Introspection",
                "  <interface name=\"org.example.trovel\">\n"
                "    <method name=\"TakeBreak\"/>\n"
                "    <method name=\"Skip\"/>\n"
                "    <method name=\"Later\"/>\n"
                "    <method name=\"Pause\">\n"
                "      <arg name=\"minutes\" type=\"i\" direction=\"in\"/>\n"
                "    </method>\n"
                "    <method name=\"Resume\"/>\n"
                "    <property name=\"Phase\" type=\"s\" access=\"read\"/>\n"
                "    <property name=\"SecondsLeft\" type=\"i\" access=\"read\">\n"
                "      <annotation name=\"org.freedesktop.DBus.Property.EmitsChangedSignal\" value=\"false\"/>\n"
                "    </property>\n"
                "    <property name=\"BreaksIgnored\" type=\"i\" access=\"read\"/>\n"
                "    <property name=\"PausedUntil\" type=\"x\" access=\"read\"/>\n"
                "  </interface>\n")
    Q_PROPERTY(QString Phase READ phase)
    Q_PROPERTY(int SecondsLeft READ seconds_left)
    Q_PROPERTY(int BreaksIgnored READ breaks_ignored)
    Q_PROPERTY(qlonglong PausedUntil READ paused_until)

public:
    // Puts the service on the session bus and claims the name. nullptr without a session
    // bus, or when another copy (one with other settings) holds the name: this copy then
    // runs without the interface, which it says once on stderr. `form` and `report`
    // outlive the service.
    static std::unique_ptr<BusService> start(TForm1 &form, const ErrorReport &report);
    ~BusService() override;

    // The properties: the phase word; the seconds left of the countdown (of a timed pause
    // while one runs, else 0 while paused or while the alarm shows); the breaks ignored;
    // when a timed pause ends, in seconds since 1970 (0 for none).
    QString phase() const;
    int seconds_left() const;
    int breaks_ignored() const;
    qlonglong paused_until() const;

public Q_SLOTS:
    // The methods (the slots are the interface: no other slot belongs here).
    void TakeBreak();
    void Skip();
    void Later();
    void Pause(int minutes);
    void Resume();

private:
    BusService(TForm1 &form, const ErrorReport &report);
    // Runs a command of the form after the answer has gone out.
    void run_soon(std::function<void()> work);
    void run_pending();
    void cycle_changed();
    void send_changes();

    TForm1 &form_;
    const ErrorReport &report_;
    QList<std::function<void()>> pending_; // commands not run yet, oldest first
    bool run_posted_ = false;
    bool changes_posted_ = false;
    // The values the last PropertiesChanged (or the start) told.
    QString told_phase_;
    int told_ignored_ = 0;
    qlonglong told_paused_until_ = 0;
};

} // namespace trovel

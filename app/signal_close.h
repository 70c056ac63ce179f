// Ending the program on SIGTERM, SIGINT and SIGHUP (a session manager, kill, Ctrl+C, a
// closed terminal) the way a close request ends it: the settings are saved, the tray icon
// is removed and the process ends with status 0. The handler only writes the signal's
// number into a socket, which is all a signal handler may safely do; a socket notifier
// then calls back on the GUI thread, where the event loop runs the close. Further signals
// until that close has run (a logout sends SIGTERM and at once SIGHUP) change nothing, so
// the save always completes; after it, the same signal again ends the process at once, so
// a program that cannot finish its end can still be stopped without SIGKILL.
#pragma once

#include <QObject>
#include <array>
#include <csignal>
#include <functional>

class QSocketNotifier;
class QWidget;

namespace trovel {

class SignalClose : public QObject {
    Q_OBJECT
public:
    // Catches SIGTERM, SIGINT and SIGHUP from now on and calls `on_signal` with the
    // signal's number on this object's thread. It runs from the event loop, so it lets
    // no exception out (the program's hands its errors to the error report). A signal that was ignored when the object
    // was made (nohup, a background job) is left ignored. One object at a time.
    explicit SignalClose(std::function<void(int signo)> on_signal, QObject *parent = nullptr);
    // Gives the three signals the actions they had before.
    ~SignalClose() override;
    SignalClose(const SignalClose &) = delete;
    SignalClose &operator=(const SignalClose &) = delete;

    static constexpr size_t kSignalCount = 3; // SIGTERM, SIGINT, SIGHUP

    // True when the handlers are in place (false when the socket could not be made).
    bool installed() const { return installed_; }

private:
    void read_signal();

    std::function<void(int)> on_signal_;
    std::array<bool, kSignalCount> caught_{};
    std::array<struct sigaction, kSignalCount> previous_{};
    QSocketNotifier *notifier_ = nullptr;
    bool installed_ = false;
};

// Closes `form` as a close request does, after closing any open popup menu and modal
// dialog that would otherwise keep a nested event loop running; then tells the
// application to quit in case another window keeps it alive.
void close_for_signal(QWidget *form);

} // namespace trovel

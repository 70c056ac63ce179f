// Signals to a close request: a socket pair between the handler and the event loop.
#include "app/signal_close.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace trovel {

namespace {

constexpr std::array<int, SignalClose::kSignalCount> kSignals = {SIGTERM, SIGINT, SIGHUP};

// [0] is written by the handler, [1] read by the notifier.
int g_socket[2] = {-1, -1};
// The signals caught so far, one bit each, and whether the close they asked for has run.
volatile sig_atomic_t g_seen = 0;
volatile sig_atomic_t g_closed = 0;

extern "C" void on_close_signal(int signo) {
    const sig_atomic_t bit = sig_atomic_t(1) << signo;
    if (g_closed && (g_seen & bit)) {
        // The same signal again after the close has run: the user insists on an end that
        // is taking too long. It ends the process now, by the signal's default action, so
        // the parent sees it was not a clean end.
        ::signal(signo, SIG_DFL);
        ::raise(signo);
        return;
    }
    // A logout sends SIGTERM and SIGHUP at once: any signal while the close runs, or a
    // new one after it, is taken as the same request, so the save is never cut short.
    const bool first = g_seen == 0;
    g_seen = g_seen | bit;
    if (!first) return;
    const int saved_errno = errno;
    const unsigned char byte = static_cast<unsigned char>(signo);
    // Non-blocking: a handler must never wait; one byte is all it needs to say.
    [[maybe_unused]] const ssize_t n = ::write(g_socket[0], &byte, 1);
    errno = saved_errno;
}

} // namespace

SignalClose::SignalClose(std::function<void(int)> on_signal, QObject *parent)
    : QObject(parent), on_signal_(std::move(on_signal)) {
    Q_ASSERT(g_socket[0] < 0);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_socket) != 0) {
        g_socket[0] = g_socket[1] = -1;
        return;
    }
    g_seen = 0;
    g_closed = 0;
    notifier_ = new QSocketNotifier(g_socket[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalClose::read_signal);

    struct sigaction action = {};
    action.sa_handler = on_close_signal;
    sigemptyset(&action.sa_mask);
    for (int s : kSignals)
        sigaddset(&action.sa_mask, s); // no handler interrupts another
    action.sa_flags = SA_RESTART;      // system calls in Qt and the libraries carry on
    for (size_t i = 0; i < kSignals.size(); ++i) {
        struct sigaction old = {};
        ::sigaction(kSignals[i], nullptr, &old);
        // A signal ignored from the start stays ignored: `nohup trovel` must outlive its
        // terminal, and a background job keeps ignoring the terminal's Ctrl+C.
        caught_[i] = old.sa_handler != SIG_IGN;
        if (caught_[i]) ::sigaction(kSignals[i], &action, &previous_[i]);
    }
    installed_ = true;
}

SignalClose::~SignalClose() {
    if (!installed_) return;
    for (size_t i = 0; i < kSignals.size(); ++i) {
        if (caught_[i]) ::sigaction(kSignals[i], &previous_[i], nullptr);
    }
    ::close(g_socket[0]);
    ::close(g_socket[1]);
    g_socket[0] = g_socket[1] = -1;
}

void SignalClose::read_signal() {
    unsigned char byte = 0;
    if (::read(g_socket[1], &byte, 1) != 1) return;
    // One close is enough: later bytes cannot come (the handler writes once).
    notifier_->setEnabled(false);
    if (on_signal_) on_signal_(byte);
    g_closed = 1;
}

void close_for_signal(QWidget *form) {
    // A popup menu or modal dialog runs its own nested event loop; close each one, the
    // innermost first. One that refuses to close must not keep this loop going.
    for (int guard = 0; guard < 16; ++guard) {
        QPointer<QWidget> open = QApplication::activePopupWidget();
        if (!open) open = QApplication::activeModalWidget();
        if (!open) break;
        if (auto *dialog = qobject_cast<QDialog *>(open))
            dialog->reject(); // a message box without an escape button ignores close()
        else
            open->close();
        if (open && open->isVisible()) open->hide();
    }
    if (form) form->close();
    // The last window closed quits the application; this covers a window left open.
    QCoreApplication::quit();
}

} // namespace trovel

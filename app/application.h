// The application object. Every event goes through notify(), so an exception raised in any
// handler (a tick, a mouse click, a menu command, the tray icon) ends that handler and
// reaches one place: the application's error report. The event loop and timers go on.
#pragma once

#include <QApplication>
#include <functional>

namespace trovel {

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int &argc, char **argv);

    // Shows an error's message; the default shows a plain error box.
    void set_error_handler(std::function<void(const QString &message)> handler);
    // Hands an error to the report; used by notify() and by anyone catching one.
    void report_error(const QString &message);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    std::function<void(const QString &)> handler_;
};

}  // namespace trovel

// The application object and the program's error report. The entry points of the program
// catch their own errors and hand them to the report (platform/error_report.h), which the
// application fills with its error box; notify() catches whatever still escapes a handler,
// as a last resort. The event loop and timers go on after an error.
#pragma once

#include <QApplication>
#include <functional>

namespace trovel {

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int &argc, char **argv);
    ~TApplication() override;

    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace trovel

// The application object. The entry points of the program catch their own errors and
// hand them to the one report (platform/error_report.h); notify() catches whatever still
// escapes a handler, as a last resort, and hands it to the same report. The event loop
// and timers go on after an error.
#pragma once

#include "platform/error_report.h"

#include <QApplication>

namespace trovel {

class TApplication : public QApplication {
    Q_OBJECT
public:
    // `report` outlives the application.
    TApplication(int &argc, char **argv, const ErrorReport &report);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    const ErrorReport &report_;
};

} // namespace trovel

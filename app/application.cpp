#include "app/application.h"

namespace trovel {

TApplication::TApplication(int &argc, char **argv, const ErrorReport &report)
    : QApplication(argc, argv), report_(report) {
    setApplicationName(QStringLiteral("trovel"));
    setApplicationVersion(QStringLiteral(TROVEL_VERSION));
    setDesktopFileName(QStringLiteral("trovel"));
}

bool TApplication::notify(QObject *receiver, QEvent *event) {
    // The last resort: the program's own entry points catch their errors themselves.
    bool handled = false;
    report_errors(report_, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace trovel

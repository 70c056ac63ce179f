#include "app/application.h"

#include "platform/error_report.h"
#include "platform/error_text.h"

#include <QMessageBox>
#include <exception>

namespace trovel {

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("trovel"));
    setApplicationVersion(QStringLiteral("2.0"));
    setDesktopFileName(QStringLiteral("trovel"));
    // Until the program installs its own, the report is a plain error box.
    set_error_report([this](const QString &message) {
        QMessageBox box(QMessageBox::Critical, applicationName(), error_box_text(message), QMessageBox::Ok);
        box.exec();
    });
}

TApplication::~TApplication() { set_error_report(nullptr); }

bool TApplication::notify(QObject *receiver, QEvent *event) {
    // The last resort: the program's own entry points catch their errors themselves.
    bool handled = false;
    report_errors([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace trovel

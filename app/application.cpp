#include "app/application.h"

#include "platform/error_report.h"
#include "platform/error_text.h"

#include <QMessageBox>
#include <exception>
#include <utility>

namespace trovel {

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("trovel"));
    setApplicationVersion(QStringLiteral("2.0"));
    setDesktopFileName(QStringLiteral("trovel"));
    set_error_report([this](const QString &message) { report_error(message); });
}

TApplication::~TApplication() { set_error_report(nullptr); }

std::function<void(const QString &)> TApplication::set_error_handler(std::function<void(const QString &)> handler) {
    return std::exchange(handler_, std::move(handler));
}

void TApplication::report_error(const QString &message) {
    if (handler_) {
        handler_(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, applicationName(), error_box_text(message), QMessageBox::Ok);
    box.exec();
}

bool TApplication::notify(QObject *receiver, QEvent *event) {
    // The last resort: the program's own entry points catch their errors themselves.
    bool handled = false;
    report_errors([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace trovel

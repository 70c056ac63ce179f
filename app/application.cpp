#include "app/application.h"

#include "platform/error_text.h"

#include <QMessageBox>
#include <exception>

namespace trovel {

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("trovel"));
    setApplicationVersion(QStringLiteral("2.0"));
    setDesktopFileName(QStringLiteral("trovel"));
}

void TApplication::set_error_handler(std::function<void(const QString &)> handler) { handler_ = std::move(handler); }

void TApplication::report_error(const QString &message) {
    if (handler_) {
        handler_(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, applicationName(), error_box_text(message), QMessageBox::Ok);
    box.exec();
}

bool TApplication::notify(QObject *receiver, QEvent *event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        report_error(QString::fromUtf8(e.what()));
    } catch (...) {
        report_error(QStringLiteral("Unknown error"));
    }
    return false;
}

}  // namespace trovel

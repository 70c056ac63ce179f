#include "platform/error_report.h"

#include <QtGlobal>
#include <utility>

namespace trovel {

namespace {
std::function<void(const QString &)> &current_report() {
    static std::function<void(const QString &)> report;
    return report;
}
} // namespace

std::function<void(const QString &)> set_error_report(std::function<void(const QString &)> report) {
    return std::exchange(current_report(), std::move(report));
}

void report_error(const QString &message) {
    // Copied first: a report may install another while it runs (a test's handler does).
    const std::function<void(const QString &)> report = current_report();
    if (report)
        report(message);
    else
        qWarning("trovel: %s", qUtf8Printable(message));
}

} // namespace trovel

// The program's one error report and the catch at its entry points. An exception thrown
// through Qt's signal and event dispatch is undefined behaviour, so every place where the
// event loop calls into the program (a pass of the tick list, a menu item's command, the
// form's mouse handling, the tray icon's double click, a signal's close) runs its work
// through report_errors: an error ends that work, the steps already done stand, and the
// message goes to the report. The application installs the report (its error box); a
// test installs one that fails the test.
#pragma once

#include <QString>
#include <exception>
#include <functional>

namespace trovel {

// Replaces the report and returns the one before; an empty report writes the message to
// Qt's log.
std::function<void(const QString &message)> set_error_report(std::function<void(const QString &message)> report);

// Hands a message to the report.
void report_error(const QString &message);

// Runs work; an exception it raises ends it and its message goes to the report. Returns
// false when the work ended in an error.
template <typename Work> bool report_errors(Work &&work) noexcept {
    try {
        work();
        return true;
    } catch (const std::exception &e) {
        report_error(QString::fromUtf8(e.what()));
    } catch (...) {
        report_error(QStringLiteral("Unknown error"));
    }
    return false;
}

} // namespace trovel

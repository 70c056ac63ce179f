// The program's one error report and the catch at its entry points. An exception thrown
// through Qt's signal and event dispatch is undefined behaviour, so every place where the
// event loop calls into the program (a pass of the tick list, a menu item's command, the
// form's mouse handling, the tray icon's double click, a signal's close, the
// application's last resort) runs its work through report_errors: an error ends that
// work, the steps already done stand, and the message goes to the report. main makes the
// one report (the error box) and hands it to the application and the form; a test hands
// in one that fails the test.
#pragma once

#include <QString>
#include <exception>
#include <functional>

namespace trovel {

class ErrorReport {
public:
    using Sink = std::function<void(const QString &message)>;

    // An empty sink writes the message to Qt's log.
    explicit ErrorReport(Sink sink = {}) : sink_(std::move(sink)) {}
    ErrorReport(const ErrorReport &) = delete;
    ErrorReport &operator=(const ErrorReport &) = delete;

    // Replaces where messages go and returns the sink before: the program puts its box in
    // place once the form exists.
    Sink set_sink(Sink sink);

    // Hands a message on.
    void report(const QString &message) const;

private:
    Sink sink_;
};

// Runs work; an exception it raises ends it and its message goes to the report. Returns
// false when the work ended in an error.
template <typename Work> bool report_errors(const ErrorReport &report, Work &&work) noexcept {
    try {
        work();
        return true;
    } catch (const std::exception &e) {
        report.report(QString::fromUtf8(e.what()));
    } catch (...) {
        report.report(QStringLiteral("Unknown error"));
    }
    return false;
}

} // namespace trovel

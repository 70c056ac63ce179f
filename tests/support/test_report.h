// The error report of a test process: the application and every form and tick list of
// the tests hand their errors to it, and a message that reaches it fails the test, unless
// a test takes the messages over (ReportedErrors).
#pragma once

#include "platform/error_report.h"

#include <QStringList>

namespace trovel::test {

ErrorReport &test_error_report();

// While it lives, the messages handed to the test report are kept here instead of
// failing the test.
class ReportedErrors {
public:
    ReportedErrors() : previous_(test_error_report().set_sink([this](const QString &m) { messages.append(m); })) {}
    ~ReportedErrors() { test_error_report().set_sink(std::move(previous_)); }
    ReportedErrors(const ReportedErrors &) = delete;
    ReportedErrors &operator=(const ReportedErrors &) = delete;

    QStringList messages;

private:
    ErrorReport::Sink previous_;
};

} // namespace trovel::test

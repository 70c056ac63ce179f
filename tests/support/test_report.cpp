#include "support/test_report.h"

#include <gtest/gtest.h>

namespace trovel::test {

ErrorReport &test_error_report() {
    static ErrorReport report(
        [](const QString &message) { ADD_FAILURE() << "error report: " << message.toStdString(); });
    return report;
}

} // namespace trovel::test

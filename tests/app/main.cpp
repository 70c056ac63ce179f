// main() for the form's tests: the program's own application object, so errors raised in
// handlers reach the report as they do in the running program. The report (the one the
// forms of the tests get) fails the test instead of opening an error box that would wait
// for a click until the suite times out; a test that expects an error takes the report
// over (ReportedErrors).
#include "app/application.h"
#include "support/test_env.h"
#include "support/test_report.h"

#include <gtest/gtest.h>

int main(int argc, char **argv) {
    trovel::test::prepare_process_environment();
    trovel::TApplication app(argc, argv, trovel::test::test_error_report());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

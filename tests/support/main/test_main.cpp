// main() for widget and unit tests: offscreen platform, fixed locale, and a private
// XDG_CONFIG_HOME so no test can touch a real home. An error that reaches the test's
// error report fails the test (support/test_report.h).
#include "support/test_env.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
    trovel::test::prepare_process_environment();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// main() for the form's tests: the program's own application object, so errors raised in
// handlers reach its report as they do in the running program.
#include "app/application.h"
#include "support/test_env.h"

#include <gtest/gtest.h>

int main(int argc, char **argv) {
    trovel::test::prepare_process_environment();
    trovel::TApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

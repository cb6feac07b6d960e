// The test programs' main: a program started again as a helper child (Windows) serves its job,
// anything else runs the tests.

#include "platform/ChildProcess.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (const auto status = ranvik::platform::ServeChild(argc, argv))
        return *status;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "Harness.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // The engine is started by the first test that needs it, so listing and the display-free
    // tests run without a display.
    const int result = RUN_ALL_TESTS();
    Harness::Shutdown();
    return result;
}

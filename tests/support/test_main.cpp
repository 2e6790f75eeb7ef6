// Entry point of every test executable: sets the environment the tests expect, then runs
// GoogleTest. Qt tests draw offscreen; tests that run our programs find them in LUMARO_BIN_DIR.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("LUMARO_SOURCE_DIR", LUMARO_SOURCE_DIR, 0);
    setenv("LUMARO_BIN_DIR", LUMARO_BIN_DIR, 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include <gtest/gtest.h>

// The test program is built with -municode like the bar, so its entry is
// wmain; GoogleTest takes wide arguments as they are.
int wmain(int argc, wchar_t** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

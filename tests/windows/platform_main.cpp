// The tests link with -municode, so the runtime starts them at wmain (a
// plain main, as gtest_main has, is never called).
#include <gtest/gtest.h>

int wmain(int argc, wchar_t** argv) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

#include <gtest/gtest.h>

#include "ProgramEnv.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  ProgramEnv::Shutdown();
  return result;
}

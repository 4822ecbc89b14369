#include <gtest/gtest.h>

#include "support/engine_fixture.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  zeftest::initialiseEngineOnce();
  return RUN_ALL_TESTS();
}

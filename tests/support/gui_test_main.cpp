#include <gtest/gtest.h>

#include <QApplication>
#include <cstring>
#include <memory>

#include "support/engine_fixture.h"

int main(int argc, char** argv) {
  // Listing the tests (at build time) needs no display.
  bool listing = false;
  for (int i = 1; i < argc; ++i) listing |= std::strcmp(argv[i], "--gtest_list_tests") == 0;
  std::unique_ptr<QApplication> app;
  if (!listing) app = std::make_unique<QApplication>(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  if (listing) return RUN_ALL_TESTS();
  zeftest::initialiseEngineOnce();
  return RUN_ALL_TESTS();
}

#include <gtest/gtest.h>

#include <QApplication>

#include "support/engine_fixture.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  zeftest::initialiseEngineOnce();
  return RUN_ALL_TESTS();
}

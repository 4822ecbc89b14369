#include <gtest/gtest.h>

#include <QApplication>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <memory>
#include <thread>

#include "support/engine_fixture.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>

namespace {
long threadCount() {
  std::error_code error;
  long n = 0;
  for (std::filesystem::directory_iterator i("/proc/self/task", error), end; !error && i != end; i.increment(error))
    ++n;
  return n;
}

// The leak check stops every thread and reads its registers and stack; a
// thread that is ending meanwhile (Qt's and Mesa's wind down after the
// application object is gone) makes the checker itself fault. So the
// check runs here, once the number of threads has held still for a while,
// and not in the exit handlers while they may still be ending.
void checkLeaksOnceThreadsSettle() {
  using namespace std::chrono_literals;
  constexpr auto kStillFor = 200ms;
  constexpr auto kAtMost = 3s;
  const auto start = std::chrono::steady_clock::now();
  auto stillSince = start;
  long last = threadCount();
  while (std::chrono::steady_clock::now() - stillSince < kStillFor &&
         std::chrono::steady_clock::now() - start < kAtMost) {
    std::this_thread::sleep_for(20ms);
    const long now = threadCount();
    if (now != last) stillSince = std::chrono::steady_clock::now();
    last = now;
  }
  __lsan_do_leak_check();
}
}  // namespace
#endif

int main(int argc, char** argv) {
  // Listing the tests (at build time) needs no display.
  bool listing = false;
  for (int i = 1; i < argc; ++i) listing |= std::strcmp(argv[i], "--gtest_list_tests") == 0;
  std::unique_ptr<QApplication> app;
  if (!listing) app = std::make_unique<QApplication>(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  if (listing) return RUN_ALL_TESTS();
  zeftest::initialiseEngineOnce();
  const int result = RUN_ALL_TESTS();
  app.reset();
#if defined(__SANITIZE_ADDRESS__)
  checkLeaksOnceThreadsSettle();
#endif
  return result;
}

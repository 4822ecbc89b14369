#include "engine/toolkit.h"

#include <chrono>
#include <ctime>
#include <random>

namespace {
Toolkit quietToolkit;
Toolkit* current = &quietToolkit;
std::function<double()> clockSource;
std::mt19937 generator(12345u);
}  // namespace

void setToolkit(Toolkit* t) { current = t ? t : &quietToolkit; }
Toolkit& toolkit() { return *current; }

double adesso() {
  if (clockSource) return clockSource();
  using namespace std::chrono;
  auto now = system_clock::now();
  std::time_t tt = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&tt, &local);
  auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  double dayMs = ((local.tm_hour * 60.0 + local.tm_min) * 60.0 + local.tm_sec) * 1000.0 + static_cast<double>(ms);
  return dayMs / 86400000.0;
}

void setClockSource(std::function<double()> source) { clockSource = std::move(source); }

int casuale(int n) {
  if (n <= 0) return 0;
  return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(generator));
}

void seedRandomFromClock() {
  generator.seed(static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

void seedRandom(uint32_t seed) { generator.seed(seed); }

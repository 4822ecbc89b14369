#include "engine/search/clock.h"

#include "engine/search/searchstate.h"
#include "engine/toolkit.h"

double moveStart = 0;
double clockNow = 0;
uint32_t lastElapsed = 0;
int32_t engineTimeLeft = 0;

uint32_t elapsedMs() {
  double d = clockNow - moveStart;
  if (d >= 0) {
    lastElapsed = static_cast<uint32_t>(d * 24 * 60 * 60 * 1000);
    return lastElapsed;
  }
  return static_cast<uint32_t>(adesso() * 86400000.0) + lastElapsed;
}

bool deadlinePassed() { return static_cast<int64_t>(searchDeadline) < static_cast<int64_t>(elapsedMs()); }

void sampleClock() { clockNow = adesso(); }

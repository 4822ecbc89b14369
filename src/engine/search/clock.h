// Game clocks and the search's cheap notion of elapsed time. Moments are
// times of day as fractions of a day; elapsed times are milliseconds.
#pragma once

#include <cstdint>
#include <string>

extern double moveStart;      // when the current move's clock started
extern double clockNow;       // the cached current time
extern uint32_t lastElapsed;  // the last elapsed value, kept for midnight
extern int32_t engineTimeLeft;

// Refresh the cached current time.
void sampleClock();
// Milliseconds between moveStart and clockNow (counting on across midnight).
uint32_t elapsedMs();
// True when the move's allowance is used up (a negative deadline at once).
bool deadlinePassed();

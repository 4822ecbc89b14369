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

// Time-control kinds (modoTempo).
constexpr int TC_MOVES = 1;      // X time for Y moves
constexpr int TC_GAME = 2;       // X time for the whole game
constexpr int TC_INCREMENT = 3;  // whole game plus a bonus per move
constexpr int TC_QUICKPLAY = 4;  // X time for Y moves, then a quick-play finish

// Thinking time for one move from the time left (writes "temporestante = ").
// In the last seconds of a game without periods (6 s, or the last tenth of a
// game shorter than a minute) every move gets 1 ms.
int32_t allocateTime(int32_t remaining);
// After a move at game level: charge the side that moved, add the bonuses.
void chargeClock();
// Clock label text: [hh.]mm.ss, "00.00" for a negative time.
std::string clockText(int32_t ms);

#include "engine/search/clock.h"

#include <cstdio>

#include "engine/host.h"
#include "engine/position/game.h"
#include "engine/position/position.h"
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

namespace {

std::string two(int v) {
  char b[16];
  std::snprintf(b, sizeof b, "%02d", v);
  return b;
}

// The last seconds of a game are played at once. A game shorter than a
// minute keeps its last tenth for that, or all of it would be played at once
// (and lost to any opponent that thinks).
constexpr int32_t LASTSECONDSMS = 6000;

int32_t lastSeconds() {
  const int32_t tenth = partita.tempoBase / 10;
  return tenth < LASTSECONDSMS ? tenth : LASTSECONDSMS;
}

int32_t wholeGame(int32_t remaining) {
  if (remaining <= lastSeconds()) return 1;
  const tposizione& p = posizioni[0];
  int divisor = p.wpawns.n + p.bpawns.n + 2 * p.piececount;
  if (divisor < 15) divisor = 15;
  return (remaining / divisor) * 2;
}

// A time control "for N moves" with N = 0 has no period: the whole game.
int32_t perPeriod(int32_t remaining, int n) {
  if (n <= 0) return wholeGame(remaining);
  const int k = (partita.count / 2) % n + 1;
  int32_t t;
  if (n > k) {
    t = remaining / (n - k + 1);
    if (k != n - 1 && remaining > 2000) t = static_cast<int32_t>(t * 1.7);
  } else {
    t = remaining - 250;
  }
  return t < 1 ? 1 : t;
}

}  // namespace

int32_t allocateTime(int32_t remaining) {
  engineHost().writeLine("temporestante = " + std::to_string(remaining));
  const tpartita& g = partita;
  switch (g.modoTempo) {
    case TC_MOVES: return perPeriod(remaining, g.mossePerControllo);
    case TC_QUICKPLAY:
      if (g.mossePerControllo > 0 && numeromossa() <= g.mossePerControllo)
        return perPeriod(remaining, g.mossePerControllo);
      return wholeGame(remaining);
    case TC_INCREMENT: return wholeGame(remaining) + g.incremento;
    default: return wholeGame(remaining);
  }
}

void chargeClock() {
  tpartita& g = partita;
  sampleClock();
  const int32_t t = static_cast<int32_t>(elapsedMs());
  int32_t& clock = posizioni[0].side == WHITE ? g.tempoNero : g.tempoBianco;
  clock -= t;
  const int n = g.mossePerControllo;
  if (g.modoTempo == TC_INCREMENT) clock += g.incremento;
  if (g.modoTempo == TC_MOVES && n > 0 && numeromossa() % n == 0) clock += g.tempoBase;
  if (g.modoTempo == TC_QUICKPLAY && numeromossa() == n) clock += g.tempoFinale;
}

std::string clockText(int32_t ms) {
  if (ms < 0) return "00.00";
  const int hours = ms / 3600000;
  const int minutes = (ms / 1000 % 3600) / 60;
  const int seconds = (ms / 1000) % 60;
  return (hours > 0 ? two(hours) + "." : std::string()) + two(minutes) + "." + two(seconds);
}

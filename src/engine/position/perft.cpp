#include "engine/position/perft.h"

#include <chrono>
#include <cstdio>

#include "engine/host.h"
#include "engine/position/makemove.h"
#include "engine/position/movegen.h"
#include "engine/position/position.h"
#include "engine/toolkit.h"

namespace {

uint64_t counter = 0;
// Leaves between two turns of the message pump: about every 20 ms.
constexpr uint64_t PUMPEVERY = (1u << 20) - 1;
int targetDepth = 0;
bool logSecondLevel = false;
uint32_t firstMove = 0;

void walk(int level) {
  const int n = generamosse(false);
  uint32_t* list = listamosse[ply];
  for (int i = 1; i <= n; ++i) {
    if (perftStopRequested) return;
    const uint32_t m = list[i];
    if (!eseguimossa(m, 32000)) continue;
    if (level == targetDepth) {
      // The window stays responsive during the long counts.
      if ((++counter & PUMPEVERY) == 0) pumpMessages();
    } else {
      if (level == 1) firstMove = m;
      ++ply;
      walk(level + 1);
      --ply;
    }
    if (level == 2 && logSecondLevel)
      engineHost().verificationLine(std::to_string(firstMove) + " " + std::to_string(m) + " " +
                                    std::to_string(counter));
  }
}

std::string twoDigits(int v) {
  char b[16];
  std::snprintf(b, sizeof b, "%02d", v);
  return b;
}

}  // namespace

bool perftStopRequested = false;

uint64_t perft(int depth) {
  fullwidth = 1;
  ply = 1;
  counter = 0;
  if (depth < 1) return 0;
  targetDepth = depth;
  logSecondLevel = posizioni[0].side == WHITE;
  walk(1);
  ply = 1;
  return counter;
}

void loopperft(int maxdepth, const std::function<void(const std::string&)>& out) {
  partita.inricerca = posizioni[0].side;
  perftStopRequested = false;
  const auto start = std::chrono::steady_clock::now();
  for (int depth = 1; depth <= maxdepth && !perftStopRequested; ++depth) {
    perftmode = 1;
    pumpMessages();
    const uint64_t count = perft(depth);
    perftmode = 0;
    // A depth cut short has no count to show.
    if (perftStopRequested) break;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    out("perft " + std::to_string(depth) + " = " + std::to_string(count) + " in " +
        tempotesto(static_cast<int32_t>(ms.count())));
    pumpMessages();
  }
  partita.inricerca = 0;
}

std::string tempotesto(int32_t ms) {
  if (ms < 0) ms = 0;
  const int s = (ms / 1000) % 3600;
  const int minutes = s / 60;
  return twoDigits(minutes) + "." + twoDigits(s % 60) + "," + twoDigits((ms / 10) % 100);
}

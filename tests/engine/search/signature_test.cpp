// The search's guard: a fixed suite searched to fixed depths with no
// evaluation noise must visit exactly the same nodes. Move ordering,
// quiescence, threat pruning, internal deepening, the root reduction and the
// extensions all show in these counts, so any change in how the engine
// searches fails here. A change meant to alter the search updates the
// expected counts in the same commit and says why.
#include <gtest/gtest.h>

#include <string>

#include "engine/engine.h"
#include "engine/position/fen.h"
#include "engine/position/makemove.h"
#include "engine/search/cache.h"
#include "engine/search/clock.h"
#include "engine/search/driver.h"
#include "engine/search/quiescenza.h"
#include "engine/search/searchstate.h"
#include "engine/toolkit.h"
#include "searchsuite.h"

namespace {

struct Signature {
  long long fullGenerator, captureGenerator, positionsMade;
  bool operator==(const Signature&) const = default;
};

std::ostream& operator<<(std::ostream& o, const Signature& s) {
  return o << "{" << s.fullGenerator << ", " << s.captureGenerator << ", " << s.positionsMade << "}";
}

// Two plies shallower than the benchmark, searched in the benchmark's order
// with the table carried from one position to the next, as it does.
constexpr int SHALLOWER = 2;

const Signature expected[] = {
    {9811, 19922, 61586},     {17588, 52318, 127182}, {17571, 41114, 134051},   {7511, 26772, 96195},
    {3112, 34375, 54426},     {3677, 68989, 103793},  {4541, 24734, 45054},     {1959, 41322, 65425},
    {131113, 106788, 456621}, {18608, 5588, 35919},   {215583, 118882, 447372}, {51434, 31216, 166720},
};

}  // namespace

TEST(SearchSignature, TheFixedSuiteVisitsTheSameNodes) {
  // Each test runs in a process of its own, so the tables start as the
  // program starts them: empty, at the default size.
  initialiseEngine(0);
  setHashLevel(HASH_DEFAULT_LEVEL);
  clearHashTable();
  seedRandom(1);
  static_assert(std::size(expected) == std::size(searchsuite::positions));
  for (size_t i = 0; i < std::size(expected); ++i) {
    const searchsuite::Position& p = searchsuite::positions[i];
    impostafen(p.fen, true);
    searchDeadline = 0x7fffffff;
    moveStart = adesso();
    clockNow = moveStart;
    SearchLimits limits;
    limits.targetDepth = p.depth - SHALLOWER;
    long long quiescence = 0;
    positionsMade = 0;
    iterativeDeepening(limits, [&](const Iteration&) { quiescence += captureGenCalls; });
    const Signature got{genCalls, quiescence, static_cast<long long>(positionsMade)};
    EXPECT_EQ(got, expected[i]) << p.fen << " to depth " << limits.targetDepth;
  }
}

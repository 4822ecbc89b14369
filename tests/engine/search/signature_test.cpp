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

// Positions whose searches reach the threat pruning's king-danger test at
// its limits: an attacked-neighbour count at the threshold of a king inside
// the board, on an edge and in a corner, so that a threshold moved by one
// changes what is pruned. The suite above never reaches those counts.
const searchsuite::Position kingDangerPositions[] = {
    {"2r3k1/5ppp/p3p3/1p1n4/3P1Q2/P1N3P1/1P3P1P/2R3K1 w - - 0 25", 7},
    {"5rk1/pp3ppp/2p5/4N3/3P1Q2/2P5/P4qPP/R6K w - - 0 25", 7},
};

const Signature kingDangerExpected[] = {
    {93898, 59196, 354901},
    {37248, 39510, 186671},
};

// The program's start: empty tables at the default size, the random
// generator seeded. Each test runs in a process of its own, so this is also
// the state the tables are in when a test begins.
void startEngine() {
  initialiseEngine(0);
  setHashLevel(HASH_DEFAULT_LEVEL);
  clearHashTable();
  seedRandom(1);
}

// Searches the position to the depth with no time limit and counts what the
// search did.
Signature searchSignature(const char* fen, int depth) {
  impostafen(fen, true);
  searchDeadline = 0x7fffffff;
  moveStart = adesso();
  clockNow = moveStart;
  SearchLimits limits;
  limits.targetDepth = depth;
  long long quiescence = 0;
  positionsMade = 0;
  iterativeDeepening(limits, [&](const Iteration&) { quiescence += captureGenCalls; });
  return {genCalls, quiescence, static_cast<long long>(positionsMade)};
}

}  // namespace

TEST(SearchSignature, TheFixedSuiteVisitsTheSameNodes) {
  startEngine();
  static_assert(std::size(expected) == std::size(searchsuite::positions));
  for (size_t i = 0; i < std::size(expected); ++i) {
    const searchsuite::Position& p = searchsuite::positions[i];
    EXPECT_EQ(searchSignature(p.fen, p.depth - SHALLOWER), expected[i]) << p.fen << " to depth " << p.depth - SHALLOWER;
  }
}

// A signature of its own, so that the suite's counts (and the benchmark's
// totals) stay as they are.
TEST(SearchSignature, KingDangerPositionsVisitTheSameNodes) {
  startEngine();
  static_assert(std::size(kingDangerExpected) == std::size(kingDangerPositions));
  for (size_t i = 0; i < std::size(kingDangerExpected); ++i) {
    const searchsuite::Position& p = kingDangerPositions[i];
    EXPECT_EQ(searchSignature(p.fen, p.depth), kingDangerExpected[i]) << p.fen << " to depth " << p.depth;
  }
}

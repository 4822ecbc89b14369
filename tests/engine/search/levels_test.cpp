// The strength levels: a lower level searches less and, from the same seed,
// chooses differently (and always the same way again); the full level is
// the engine itself; the choice among near-best moves keeps to its margin
// and never passes over a mate.
#include "engine/search/levels.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "engine/position/makemove.h"
#include "engine/position/position.h"
#include "engine/search/cache.h"
#include "engine/search/clock.h"
#include "engine/search/driver.h"
#include "engine/search/ordering.h"
#include "engine/search/searchstate.h"
#include "engine/toolkit.h"
#include "searchsuite.h"
#include "support/engine_fixture.h"

namespace {

struct Played {
  uint32_t move;
  int64_t nodes;
  bool operator==(const Played&) const = default;
};

// The engine's choice at a level with no time limit, the search ending at
// the depth given (the levels' own depths are shallower).
// Each search starts from an empty table and the same random state, so that
// two searches of a position can be compared.
void freshStart(const char* fen, uint32_t seed) {
  clearHashTable();
  std::memset(cutoffMoves, 0, sizeof cutoffMoves);
  std::memset(quietCutoffMoves, 0, sizeof quietCutoffMoves);
  seedRandom(seed);
  zeftest::setUp(fen);
}

Played choose(const char* fen, int level, int depth, uint32_t seed) {
  freshStart(fen, seed);
  posizioni[0].phase = 2;  // no book
  searchDeadline = 0x7fffffff;
  moveStart = adesso();
  clockNow = moveStart;
  SearchLimits limits;
  limits.targetDepth = depth;
  limits.level = level;
  int64_t nodes = 0;
  const EngineChoice choice = pensamossa(limits, [&](const Iteration& it) { nodes = it.nodes; });
  return {choice.move, nodes};
}

constexpr int DEPTH = 6;

std::vector<Played> suiteAt(int level, uint32_t seed) {
  std::vector<Played> out;
  for (const searchsuite::Position& p : searchsuite::positions) out.push_back(choose(p.fen, level, DEPTH, seed++));
  return out;
}

}  // namespace

TEST(StrengthLevels, TheFullLevelIsTheEngineItself) {
  for (const searchsuite::Position& p : searchsuite::positions) {
    const Played full = choose(p.fen, FULLLEVEL, DEPTH, 1);
    freshStart(p.fen, 1);
    posizioni[0].phase = 2;
    searchDeadline = 0x7fffffff;
    moveStart = adesso();
    clockNow = moveStart;
    SearchLimits limits;
    limits.targetDepth = DEPTH;
    int64_t nodes = 0;
    const uint32_t move = iterativeDeepening(limits, [&](const Iteration& it) { nodes = it.nodes; });
    EXPECT_EQ(full, (Played{move, nodes})) << p.fen;
  }
}

TEST(StrengthLevels, LowerLevelsSearchLessAndChooseOtherMovesTheSameWayEachTime) {
  const std::vector<Played> full = suiteAt(FULLLEVEL, 3);
  for (int level = WEAKESTLEVEL; level < FULLLEVEL; ++level) {
    if (strengthLevel(level).depth == 0) continue;  // only its share of the clock sets it apart
    const std::vector<Played> once = suiteAt(level, 3);
    EXPECT_EQ(once, suiteAt(level, 3)) << "level " << level << " from the same seed";
    int64_t levelNodes = 0, fullNodes = 0;
    int otherMoves = 0;
    for (size_t i = 0; i < full.size(); ++i) {
      levelNodes += once[i].nodes;
      fullNodes += full[i].nodes;
      otherMoves += once[i].move != full[i].move;
    }
    EXPECT_LT(levelNodes, fullNodes) << "level " << level;
    EXPECT_GE(otherMoves, 2) << "level " << level;
  }
  // The weakest level plays other moves from another seed.
  EXPECT_NE(suiteAt(WEAKESTLEVEL, 3), suiteAt(WEAKESTLEVEL, 4));
}

TEST(StrengthLevels, TheChoiceKeepsToItsMarginAndPlaysAMateFound) {
  constexpr uint32_t BEST = 1, NEAR = 2, FAR = 3, ILLEGAL = 4;
  const std::vector<RootScore> forWhite = {{NEAR, 40}, {BEST, 100}, {FAR, -200}, {ILLEGAL, -1000000}};
  // Black's scores are White's mirrored: the lowest is Black's best.
  std::vector<RootScore> forBlack = forWhite;
  for (RootScore& s : forBlack) s.score = -s.score;
  for (const bool white : {true, false}) {
    const std::vector<RootScore>& scores = white ? forWhite : forBlack;
    seedRandom(1);
    int nearChosen = 0;
    for (int k = 0; k < 200; ++k) {
      const uint32_t m = nearBestMove(scores, white, 100);
      EXPECT_TRUE(m == BEST || m == NEAR) << m;
      nearChosen += m == NEAR;
    }
    // NEAR, 60 below the best, wins when its bonus beats the best's by 60 or more.
    EXPECT_GT(nearChosen, 0);
    EXPECT_LT(nearChosen, 100);
    EXPECT_EQ(nearBestMove(scores, white, 0), BEST);
  }
  const std::vector<RootScore> mate = {{NEAR, 31990}, {BEST, 31995}};
  for (int k = 0; k < 50; ++k) EXPECT_EQ(nearBestMove(mate, true, 300), BEST);
  const std::vector<RootScore> none = {{ILLEGAL, -1000000}};
  EXPECT_EQ(nearBestMove(none, true, 300), 0u);
}

TEST(StrengthLevels, RatingsRiseWithTheLevelAndAnEloFindsTheNearest) {
  for (int level = WEAKESTLEVEL + 1; level < LEVELCOUNT; ++level)
    EXPECT_GT(strengthLevel(level).elo, strengthLevel(level - 1).elo);
  for (int level = WEAKESTLEVEL; level < LEVELCOUNT; ++level) EXPECT_EQ(levelForElo(strengthLevel(level).elo), level);
  EXPECT_EQ(levelForElo(0), WEAKESTLEVEL);
  EXPECT_EQ(levelForElo(4000), FULLLEVEL);
  EXPECT_EQ(strengthLevel(-3).elo, strengthLevel(WEAKESTLEVEL).elo);
  EXPECT_EQ(strengthLevel(99).elo, strengthLevel(FULLLEVEL).elo);
}

// With every root move searched in the whole window, each root score is
// the move's own value: no move scores above the best, the iteration's
// score is the best's, and the move chosen is the one a normal search finds.
TEST(StrengthLevels, AWholeWindowRootGivesEachMoveItsValue) {
  constexpr int WHOLEWINDOW = 64000;
  // Black's queen is attacked by the pawn: moves that leave it there lose it.
  const char* fen = "rnb1kbnr/pppp1ppp/8/4q3/3P4/8/PPP2PPP/RNBQKBNR b KQkq - 0 3";
  auto search = [&](bool whole, std::vector<RootScore>& scores) {
    zeftest::setUp(fen);
    searchDeadline = 0x7fffffff;
    moveStart = adesso();
    clockNow = moveStart;
    SearchLimits limits;
    limits.targetDepth = 4;
    limits.rootMargin = whole ? WHOLEWINDOW : 0;
    int score = 0;
    const uint32_t move = iterativeDeepening(limits, [&](const Iteration& it) {
      score = it.score;
      scores.assign(rootScores + 1, rootScores + 1 + moveCount[1]);
    });
    return std::pair{move, score};
  };
  std::vector<RootScore> bounds, exact;
  const auto normal = search(false, bounds);
  const auto whole = search(true, exact);
  EXPECT_EQ(whole, normal);
  int queenLost = 0;
  for (const RootScore& s : exact) {
    if (s.score >= 1000000) continue;  // illegal
    EXPECT_GE(s.score, whole.second) << zeftest::coord(s.move);
    queenLost += s.score > whole.second + 500;
  }
  EXPECT_GT(queenLost, 3) << "the moves that leave the queen to the pawn show their loss";
}

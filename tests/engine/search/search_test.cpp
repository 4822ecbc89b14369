#include "engine/search/search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/makemove.h"
#include "engine/position/position.h"
#include "engine/search/clock.h"
#include "engine/search/driver.h"
#include "engine/search/ordering.h"
#include "engine/search/searchstate.h"
#include "engine/toolkit.h"
#include "support/engine_fixture.h"

using zeftest::setUp;

namespace {

struct Result {
  uint32_t move = 0;
  std::vector<Iteration> iterations;
};

Result searchTo(const std::string& fen, int depth) {
  setUp(fen);
  searchDeadline = 0x7fffffff;
  moveStart = adesso();
  clockNow = moveStart;
  SearchLimits limits;
  limits.targetDepth = depth;
  Result r;
  r.move = iterativeDeepening(limits, [&](const Iteration& it) { r.iterations.push_back(it); });
  return r;
}

bool legalAtRoot(uint32_t m) {
  ply = 1;
  return m != 0 && eseguimossa(m, 32100);
}

}  // namespace

TEST(Search, MateInOneScoresByThePlyTwoRule) {
  Result r = searchTo("6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1", 3);
  EXPECT_EQ(zeftest::coord(r.move), "a1a8");
  EXPECT_EQ(r.iterations.back().score, 32000);
  r = searchTo("r5k1/8/8/8/8/8/5PPP/6K1 b - - 0 1", 3);
  EXPECT_EQ(zeftest::coord(r.move), "a8a1");
  EXPECT_EQ(r.iterations.back().score, -32000);
}

TEST(Search, DeeperMateScoresLess) {
  // Mate in two with a quiet first move (Kb6 Kb8 Rg8#): the reply node at
  // ply 4 keeps its fixed initial score.
  Result r = searchTo("k7/8/2K5/8/8/8/8/6R1 w - - 0 1", 5);
  ASSERT_FALSE(r.iterations.empty());
  EXPECT_EQ(r.iterations.back().score, 31999);
  EXPECT_TRUE(zeftest::coord(r.move) == "c6b6" || zeftest::coord(r.move) == "c6c7") << zeftest::coord(r.move);
  // The check beyond the horizon finds it at depth 3, and a forced mate ends
  // the deepening after the iteration that found it.
  EXPECT_EQ(r.iterations.back().depth, 3);
  // Mate in three for Black (Qd1+ Kxd1 Bg4+ Ke1 Rd1#), found deeper: 32000 - p/2.
  r = searchTo("1k1r4/pp1b1R2/3q2pp/4p3/2B5/4Q3/PPP2B2/2K5 b - - 0 1", 7);
  EXPECT_EQ(zeftest::coord(r.move), "d6d1");
  EXPECT_EQ(r.iterations.back().score, -(32000 - 6 / 2));
}

TEST(Search, StalemateInTheTreeScoresZero) {
  // Qg3 stalemates the lone king; Qg1 and Qh3 mate.
  setUp("8/8/8/8/6q1/8/5k2/7K b - - 0 1");
  searchDeadline = 0x7fffffff;
  moveStart = adesso();
  clockNow = moveStart;
  iterationDepth = 3;
  reducedAtDepth = 0;
  const uint32_t best = cercanero();
  EXPECT_EQ(blackBound[1], -32000);
  bool seen = false;
  for (int k = 1; k <= moveCount[1]; ++k)
    if (rootScores[k].move == mvMake(zeftest::sq("g4"), zeftest::sq("g3"))) {
      EXPECT_EQ(rootScores[k].score, 0);
      seen = true;
    }
  EXPECT_TRUE(seen);
  EXPECT_NE(best, mvMake(zeftest::sq("g4"), zeftest::sq("g3")));
}

TEST(Search, RootMoveIntoAPositionSeenTwiceScoresZero) {
  setUp("4k3/8/8/8/8/8/8/R3K3 w - - 0 1");
  // Shuffle twice so that the position after a1a2 has occurred twice.
  const uint32_t up = mvMake(0, 8), down = mvMake(8, 0), kl = mvMake(60, 59), kr = mvMake(59, 60);
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(giocamossa(up));
    ASSERT_TRUE(giocamossa(kl));
    ASSERT_TRUE(giocamossa(down));
    ASSERT_TRUE(giocamossa(kr));
  }
  ASSERT_TRUE(giocamossa(up));
  ASSERT_TRUE(giocamossa(kl));
  ASSERT_TRUE(giocamossa(down));
  // Black to move: d8e8 repeats the position for the third time.
  searchDeadline = 0x7fffffff;
  moveStart = adesso();
  clockNow = moveStart;
  iterationDepth = 3;
  reducedAtDepth = 0;
  cercanero();
  bool found = false;
  for (int k = 1; k <= moveCount[1]; ++k)
    if (rootScores[k].move == kr) {
      EXPECT_EQ(rootScores[k].score, 0);
      found = true;
    }
  EXPECT_TRUE(found);
}

TEST(Search, StoppedDepthThreeStillGivesALegalMove) {
  for (const char* fen : {STARTFEN, "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R b KQkq - 0 1"}) {
    setUp(fen);
    searchDeadline = 1;
    moveStart = adesso() - 10.0 / 86400000.0;  // 10 ms ago: the deadline has passed
    clockNow = adesso();
    SearchLimits limits;
    const uint32_t m = iterativeDeepening(limits, nullptr);
    EXPECT_TRUE(legalAtRoot(m)) << fen;
  }
}

namespace {
// A window's message pump in which the user chooses "move now" after a while.
class MoveNowToolkit : public Toolkit {
 public:
  int pumps = 0;
  void pumpMessages() override {
    if (++pumps == 200) searchDeadline = 1;
    sampleClock();
  }
};
}  // namespace

TEST(Search, MoveNowThroughTheMessagePump) {
  MoveNowToolkit tk;
  setToolkit(&tk);
  setUp("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
  searchDeadline = 600000;
  moveStart = adesso();
  clockNow = moveStart;
  SearchLimits limits;
  limits.maxDepth = 30;
  std::vector<Iteration> its;
  const uint32_t m = iterativeDeepening(limits, [&](const Iteration& it) { its.push_back(it); });
  setToolkit(nullptr);
  EXPECT_GE(tk.pumps, 200);
  EXPECT_TRUE(legalAtRoot(m));
  EXPECT_LT(its.back().depth, 30);
}

TEST(Search, DeepForcedLinesStayInsideThePlyArrays) {
  // Long checking sequences and capture chains with extensions adding up:
  // searched under the sanitizers, nothing may run past the last record.
  const char* fens[] = {
      "6k1/6p1/6Q1/8/8/8/8/K7 w - - 0 1",         // perpetual-check material
      "k7/pp6/8/8/8/8/6PP/QQQQQ1QK w - - 0 1",    // many queens, many checks
      "q3k2q/8/8/3qq3/3QQ3/8/8/Q3K2Q w - - 0 1",  // long capture chains
      "r1b1k2r/pppq1ppp/2n2n2/3pp3/1b1PP3/2N2N2/PPPQ1PPP/R1B1KB1R w KQkq - 0 1",
  };
  for (const char* fen : fens) {
    Result r = searchTo(fen, 7);
    EXPECT_TRUE(legalAtRoot(r.move)) << fen;
  }
  // A search that believes it is very deep still stops deepening at the last plies.
  setUp("k7/8/8/8/8/8/8/QQQQ3K w - - 0 1");
  searchDeadline = 0x7fffffff;
  moveStart = adesso();
  clockNow = moveStart;
  iterationDepth = 2;
  reducedAtDepth = 0;
  SearchLimits deep;
  deep.targetDepth = 6;
  EXPECT_TRUE(legalAtRoot(iterativeDeepening(deep, nullptr)));
  posizioni[0].extension = 0;
  ply = LASTSEARCHPLY;
  iterationDepth = 200;
  EXPECT_EQ(nodeStatus(), 0);
}

// Well-known tactics at a modest fixed depth.
TEST(Search, Tactics) {
  const struct {
    const char* fen;
    const char* best;
    int depth;
  } cases[] = {
      {"6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1", "a1a8", 3},                                   // back-rank mate
      {"r1bqkbnr/pppp1ppp/2n5/4p3/2B1P3/5Q2/PPPP1PPP/RNB1K1NR w KQkq - 0 1", "f3f7", 3},  // scholar's mate
      {"2q1k3/8/8/1N6/8/8/8/4K3 w - - 0 1", "b5d6", 4},                                   // knight fork
      {"r3k3/8/8/8/8/8/8/4K2R w K - 0 1", "h1h8", 4},                                     // skewer
      {"4k3/8/4q3/8/8/8/8/4R1K1 w - - 0 1", "e1e6", 3},                                   // undefended queen
      {"r1b1kb1r/pppp1ppp/2n2n2/4p1q1/2B1P3/2N2N2/PPPP1PPP/R1BQK2R w KQkq - 0 1", "f3g5", 4},
      {"k7/8/2K5/8/8/8/8/6R1 w - - 0 1", "c6b6", 5},  // mate in two
  };
  for (const auto& c : cases) {
    Result r = searchTo(c.fen, c.depth);
    if (std::string(c.best) == "c6b6" && zeftest::coord(r.move) == "c6c7") continue;  // mates as fast
    EXPECT_EQ(zeftest::coord(r.move), c.best) << c.fen;
  }
}

// The scores make-move leaves in the records two plies deep equal the same
// positions evaluated from scratch: the per-path pawn slots stay current
// while siblings overwrite each other.
#include <gtest/gtest.h>

#include <string>

#include "engine/position/makemove.h"
#include "engine/position/movegen.h"
#include "engine/position/position.h"
#include "engine/search/evaluation.h"
#include "engine/search/searchstate.h"
#include "support/engine_fixture.h"

namespace {

constexpr int SCRATCH = 90;  // a record and pawn slot no line reaches here

// Evaluate a copy of record p with a freshly computed pawn entry.
int fromScratch(int p) {
  const int saved = ply;
  posizioni[SCRATCH] = posizioni[p];
  posizioni[SCRATCH].pawnslot = SCRATCH;
  ply = SCRATCH;
  evaluatePawns();
  const int s = posizioni[SCRATCH].piececount == 0 ? evaluatePawnEnding(SCRATCH) : evaluateFull(0);
  ply = saved;
  return s;
}

// Compare every evaluated record of the two-ply tree; returns how many were.
int compareTree(const std::string& fen) {
  zeftest::setUp(fen);
  fullwidth = 1;
  iterationDepth = 2;
  int compared = 0;
  for (int i = 0; i < MAXPLY; ++i) {
    whiteBound[i] = -32000;
    blackBound[i] = 32000;
  }
  ply = 1;
  const int n1 = generamosse(false);
  for (int i = 1; i <= n1; ++i) {
    ply = 1;
    if (!eseguimossa(listamosse[1][i], 0)) continue;
    ply = 2;
    const int n2 = generamosse(false);
    for (int j = 1; j <= n2; ++j) {
      ply = 2;
      if (!eseguimossa(listamosse[2][j], 0)) continue;
      const tposizione& r = posizioni[2];
      if (r.checker != NOSQ || r.evalstatus == EVAL_DRAWISH || (r.evalstatus == EVAL_SPECIAL && r.piececount > 0))
        continue;
      EXPECT_EQ(r.score, fromScratch(2)) << fen << " moves " << i << " " << j;
      ++compared;
    }
  }
  ply = 0;
  return compared;
}

}  // namespace

TEST(EvaluationIncremental, TwoPlyTreesMatchScratchEvaluation) {
  for (const char* fen : {
           "r1bqkbnr/pppp1ppp/2n5/4p3/3PP3/5N2/PPP2PPP/RNBQKB1R b KQkq d3 0 3",
           "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
           "2r3k1/1P3ppp/8/3pP3/8/8/1p3PPP/2R3K1 w - d6 0 1",
           "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
           "8/5k2/3p4/2pP4/2P5/4K3/8/8 w - - 0 1",
       }) {
    EXPECT_GT(compareTree(fen), 10) << fen;
  }
}

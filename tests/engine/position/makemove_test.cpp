#include "engine/position/makemove.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/position/fen.h"
#include "engine/position/movegen.h"
#include "engine/position/position.h"
#include "engine/search/cache.h"
#include "engine/search/searchstate.h"
#include "support/engine_fixture.h"

using zeftest::findMove;
using zeftest::makeRoot;
using zeftest::setUp;
using zeftest::sq;

namespace {
// Record 1 must carry the same key as a fresh set-up of the same position.
void expectKeyFromScratch() {
  ply = 1;
  uint32_t c = posizioni[1].hashcheck, x = posizioni[1].hashindex;
  EXPECT_TRUE(computeKeys());
  EXPECT_EQ(posizioni[1].hashcheck, c);
  EXPECT_EQ(posizioni[1].hashindex, x);
}
}  // namespace

TEST(MakeMove, ShortCastlingMovesTheRook) {
  setUp("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
  ASSERT_TRUE(makeRoot("e1g1"));
  const tposizione& p = posizioni[1];
  EXPECT_EQ(p.board[sq("f1")], ROOK);
  EXPECT_EQ(p.board[sq("h1")], EMPTY);
  EXPECT_EQ(p.board[sq("g1")], KING);
  EXPECT_EQ(p.castling, CASTLED_W | CASTLE_BK | CASTLE_BQ);
  EXPECT_EQ(p.side, BLACK);
  expectKeyFromScratch();
  setUp("r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1");
  ASSERT_TRUE(makeRoot("e8c8"));
  EXPECT_EQ(posizioni[1].board[sq("d8")], -ROOK);
  EXPECT_EQ(posizioni[1].castling, CASTLED_B | CASTLE_WK | CASTLE_WQ);
  expectKeyFromScratch();
}

TEST(MakeMove, DoublePushSetsEnPassantFileInTheKey) {
  setUp(STARTFEN);
  ASSERT_TRUE(makeRoot("a2a4"));
  EXPECT_EQ(posizioni[1].epfile, 0);
  expectKeyFromScratch();
}

TEST(MakeMove, EnPassantCaptureRemovesThePawnBehind) {
  setUp("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1");
  ASSERT_TRUE(makeRoot("e5d6", 0));
  const tposizione& p = posizioni[1];
  EXPECT_EQ(p.board[sq("d5")], EMPTY);
  EXPECT_EQ(p.board[sq("d6")], PAWN);
  EXPECT_EQ(p.bpawns.n, 0);
  EXPECT_EQ(p.material, 100);
  EXPECT_EQ(p.halfmoves, 1);
  EXPECT_EQ(p.materialkey, MK_WPAWN);
  expectKeyFromScratch();
}

TEST(MakeMove, PromotionBitsQueenWins) {
  setUp("4k3/P7/8/8/8/8/8/4K3 w - - 0 1");
  ply = 1;
  ASSERT_TRUE(eseguimossa(mvMake(sq("a7"), sq("a8"), MV_PROMO_Q | MV_PROMO_N), 32100));
  EXPECT_EQ(posizioni[1].board[sq("a8")], QUEEN);
  EXPECT_EQ(posizioni[1].wqueens.n, 1);
  EXPECT_EQ(posizioni[1].wpawns.n, 0);
  EXPECT_EQ(posizioni[1].piececount, 1);
  EXPECT_EQ(posizioni[1].material, 900);
  EXPECT_EQ(posizioni[1].materialkey, MK_WQUEEN);
  EXPECT_NE(posizioni[1].checker, 64);  // the queen checks along the rank
  expectKeyFromScratch();
}

TEST(MakeMove, PromotionBeyondListCapacityIsRefused) {
  setUp("1NNNN2k/P7/8/8/8/8/8/4K3 w - - 0 1");
  EXPECT_FALSE(makeRoot("a7a8n"));
  EXPECT_TRUE(makeRoot("a7a8q"));
  setUp("4k3/P7/8/8/8/8/8/QQQQQK2 w - - 0 1");
  EXPECT_FALSE(makeRoot("a7a8q"));
  EXPECT_TRUE(makeRoot("a7a8r"));
}

TEST(MakeMove, PawnToLastRankWithoutPromotionIsRefused) {
  setUp("4k3/P7/8/8/8/8/8/4K3 w - - 0 1");
  ply = 1;
  EXPECT_FALSE(eseguimossa(mvMake(sq("a7"), sq("a8")), 32100));
}

TEST(MakeMove, CaptureIntoEndingSwitchesPhase) {
  setUp("r3k3/8/8/8/8/8/8/R2BK1NN w - - 0 1");
  posizioni[0].phase = 2;
  EXPECT_EQ(posizioni[0].piececount, 5);
  ASSERT_TRUE(makeRoot("a1a8"));
  EXPECT_EQ(posizioni[1].phase, 3);
  EXPECT_EQ(posizioni[1].piececount, 4);
}

TEST(MakeMove, FiftyMoveCounterReachesDrawAt101) {
  fullwidth = 1;
  setUp("4k3/8/8/8/8/8/8/R3K3 w - - 99 1");
  ASSERT_TRUE(makeRoot("a1a2", 0));
  EXPECT_EQ(posizioni[1].halfmoves, 100);
  EXPECT_NE(posizioni[1].evalstatus, EVAL_FINAL);
  setUp("4k3/8/8/8/8/8/8/R3K3 w - - 100 1");
  ASSERT_TRUE(makeRoot("a1a2", 0));
  EXPECT_EQ(posizioni[1].halfmoves, 101);
  EXPECT_EQ(posizioni[1].score, 0);
  EXPECT_EQ(posizioni[1].evalstatus, EVAL_FINAL);
  // A capture restarts the count at 1.
  setUp("4k3/8/8/8/8/8/8/Rr2K3 w - - 100 1");
  ASSERT_TRUE(makeRoot("a1b1", 0));
  EXPECT_EQ(posizioni[1].halfmoves, 1);
  EXPECT_NE(posizioni[1].evalstatus, EVAL_FINAL);
}

TEST(MakeMove, RepetitionWithinTheLine) {
  fullwidth = 1;
  setUp("4k3/8/8/8/8/8/8/R3K3 w - - 10 1");
  const char* line[] = {"a1a2", "e8d8", "a2a1", "d8e8", "a1a2", "e8d8", "a2a1", "d8e8"};
  ply = 0;
  for (int i = 0; i < 8; ++i) {
    ++ply;
    // generate from record ply-1
    perftmode = 1;
    int n = generamosse(false);
    perftmode = 0;
    uint32_t m = 0;
    int from = sq(line[i]), to = sq(line[i] + 2);
    for (int j = 1; j <= n; ++j)
      if (mvFrom(listamosse[ply][j]) == from && mvTo(listamosse[ply][j]) == to) m = listamosse[ply][j];
    ASSERT_TRUE(eseguimossa(m, 0)) << line[i];
    // Plies 1..5 are never draws by repetition; ply 6 and 8 repeat ply 2 and 4.
    if (ply == 5) {
      EXPECT_NE(posizioni[ply].evalstatus, EVAL_FINAL);
    }
    if (ply == 6 || ply == 8) {
      EXPECT_EQ(posizioni[ply].evalstatus, EVAL_FINAL) << ply;
      EXPECT_EQ(posizioni[ply].score, 0);
    }
  }
}

TEST(MakeMove, PinsAndKingsNextToKings) {
  // The knight on e2 is pinned by the rook on e8.
  setUp("4r1k1/8/8/8/8/8/4N3/4K3 w - - 0 1");
  EXPECT_FALSE(makeRoot("e2c3"));
  // The pinned rook may move along the pin line.
  setUp("4r1k1/8/8/8/8/8/4R3/4K3 w - - 0 1");
  EXPECT_TRUE(makeRoot("e2e5"));
  EXPECT_TRUE(makeRoot("e2e8"));
  EXPECT_FALSE(makeRoot("e2d2"));
  // A king may not step next to the other king.
  setUp("8/8/8/3k4/8/3K4/8/8 w - - 0 1");
  EXPECT_FALSE(makeRoot("d3d4"));
  EXPECT_TRUE(makeRoot("d3c3"));
  // En passant that leaves the king on an open rank.
  setUp("8/8/8/K2pP2r/8/8/8/7k w - d6 0 1");
  EXPECT_FALSE(makeRoot("e5d6"));
}

TEST(MakeMove, CheckerIsRecorded) {
  setUp("4k3/8/8/8/8/8/8/R3K3 w - - 0 1");
  ASSERT_TRUE(makeRoot("a1a8"));
  EXPECT_EQ(posizioni[1].checker, sq("a8"));
  // Discovered check by the bishop behind the moving knight.
  setUp("7k/8/8/8/8/2N5/8/B3K3 w - - 0 1");
  ASSERT_TRUE(makeRoot("c3e4"));
  EXPECT_EQ(posizioni[1].checker, sq("a1"));
  // Castling rook gives check along the file.
  setUp("5k2/8/8/8/8/8/8/4K2R w K - 0 1");
  ASSERT_TRUE(makeRoot("e1g1"));
  EXPECT_EQ(posizioni[1].checker, sq("f1"));
  // Knight promotion with check.
  setUp("8/3P4/8/2k5/8/8/8/4K3 w - - 0 1");
  ASSERT_TRUE(makeRoot("d7d8n"));
  EXPECT_EQ(posizioni[1].checker, 64);
  setUp("8/3P4/4k3/8/8/8/8/4K3 w - - 0 1");
  ASSERT_TRUE(makeRoot("d7d8n"));
  EXPECT_EQ(posizioni[1].checker, sq("d8"));
}

TEST(MakeMove, LineNeverRunsPastTheLastRecord) {
  setUp(STARTFEN);
  ply = MAXPLY;
  EXPECT_FALSE(eseguimossa(mvMake(sq("e2"), sq("e4")), 32100));
  ply = 0;
  EXPECT_FALSE(eseguimossa(mvMake(sq("e2"), sq("e4")), 32100));
  ply = 1;
  EXPECT_FALSE(eseguimossa(0, 32100));
  // A code naming the opponent's piece or an empty square is refused.
  EXPECT_FALSE(eseguimossa(mvMake(sq("e7"), sq("e5")), 32100));
  EXPECT_FALSE(eseguimossa(mvMake(sq("e4"), sq("e5")), 32100));
}

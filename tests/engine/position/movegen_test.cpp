#include "engine/position/movegen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/position/fen.h"
#include "engine/position/position.h"
#include "engine/search/cache.h"
#include "engine/search/searchstate.h"
#include "support/engine_fixture.h"

using zeftest::findMove;
using zeftest::rootMoves;
using zeftest::setUp;
using zeftest::sq;

TEST(MoveGen, StartPositionHasTwentyUnscoredMoves) {
  setUp(STARTFEN);
  auto moves = rootMoves();
  ASSERT_EQ(moves.size(), 20u);
  for (uint32_t m : moves) EXPECT_LT(m, 0x20000u);
}

TEST(MoveGen, SeventhRankPawnWithTwoCaptures) {
  setUp("1n1n4/2P5/8/8/8/8/8/k3K3 w - - 0 1");
  int pawnMoves = 0;
  for (uint32_t m : rootMoves())
    if (mvFrom(m) == sq("c7")) ++pawnMoves;
  EXPECT_EQ(pawnMoves, 12);
  // Order and stamps: push promotions Q, N, R, B, then captures onto b8, then d8.
  auto moves = rootMoves();
  EXPECT_EQ(moves[0], mvMake(sq("c7"), sq("c8"), MV_PROMO_Q) + mvScore(6000));
  EXPECT_EQ(moves[1], mvMake(sq("c7"), sq("c8"), MV_PROMO_N) + mvScore(3970));
  EXPECT_EQ(moves[4], mvMake(sq("c7"), sq("b8"), MV_CAPTURE | MV_PROMO_Q) + mvScore(6300));
  EXPECT_EQ(moves[11], mvMake(sq("c7"), sq("d8"), MV_CAPTURE | MV_PROMO_B) + mvScore(3550));
}

TEST(MoveGen, CastlingConditions) {
  const std::string base = "r3k2r/8/8/8/8/8/8/R3K2R ";
  setUp(base + "w KQkq - 0 1");
  EXPECT_EQ(findMove("e1g1"), mvMake(4, 6) + mvScore(4030));
  EXPECT_EQ(findMove("e1c1"), mvMake(4, 2) + mvScore(4025));
  setUp(base + "b KQkq - 0 1");
  EXPECT_NE(findMove("e8g8"), 0u);
  EXPECT_NE(findMove("e8c8"), 0u);
  // In check: no castling.
  setUp("r3k2r/8/8/8/8/8/4r3/R3K2R w KQ - 0 1");
  EXPECT_EQ(findMove("e1g1"), 0u);
  // f1 attacked: no short castling; only g1 attacked: generated (make-move refuses it).
  setUp("4k3/8/8/8/8/8/5r2/R3K2R w KQ - 0 1");
  EXPECT_EQ(findMove("e1g1"), 0u);
  setUp("4k3/8/8/8/8/8/6r1/R3K2R w KQ - 0 1");
  EXPECT_NE(findMove("e1g1"), 0u);
  EXPECT_FALSE(zeftest::makeRoot("e1g1"));
  // d1 attacked or b1 occupied: no long castling; c1 attacked only: generated.
  setUp("4k3/8/8/8/8/8/3r4/R3K2R w KQ - 0 1");
  EXPECT_EQ(findMove("e1c1"), 0u);
  setUp("4k3/8/8/8/8/8/8/RN2K2R w KQ - 0 1");
  EXPECT_EQ(findMove("e1c1"), 0u);
  setUp("4k3/8/8/8/8/8/2r5/R3K2R w KQ - 0 1");
  EXPECT_NE(findMove("e1c1"), 0u);
}

TEST(MoveGen, EnPassantFromTheRightSquaresOnly) {
  // epfile 0: only a pawn on b5 can take onto a6.
  setUp("4k3/8/8/pPP5/8/8/8/4K3 w - a6 0 1");
  EXPECT_EQ(findMove("b5a6"), mvMake(sq("b5"), sq("a6"), MV_CAPTURE) + mvScore(4060));
  int ep = 0;
  for (uint32_t m : rootMoves()) ep += (m >> 17) == 4060;
  EXPECT_EQ(ep, 1);
  setUp("4k3/8/8/8/3PpP2/8/8/4K3 b - d3 0 1");
  EXPECT_NE(findMove("e4d3"), 0u);
  setUp("4k3/8/8/8/3PpP2/8/8/4K3 b - f3 0 1");
  EXPECT_NE(findMove("e4f3"), 0u);
}

TEST(MoveGen, HashMoveFirstMode) {
  setUp(STARTFEN);
  HashEntry& e = hashTable[posizioni[0].hashindex & hashMask];
  e.check = posizioni[0].hashcheck;
  e.index = posizioni[0].hashindex;
  e.move = mvMake(sq("e2"), sq("e4"));
  ply = 1;
  EXPECT_EQ(generabianco(true), 2);
  EXPECT_EQ(listamosse[1][1], mvMake(sq("e2"), sq("e4")) + 0x140000u);
  EXPECT_EQ(listamosse[1][2], 65u);
  e.move = 0;  // an empty entry never matches
  perftmode = 1;
  EXPECT_EQ(generabianco(true), 20);
  perftmode = 0;
  clearHashTable();
}

TEST(MoveGen, ListNeverRunsPastItsSlots) {
  // Five queens and four rooks, bishops and knights a side have more
  // pseudo-legal moves than the list holds.
  setUp("7k/1R4R1/2Q2Q2/B6B/3Q1Q2/N6N/1R1Q2R1/K1B1N1BN w - - 0 1");
  listamosse[1][0] = 0xdeadbeef;
  listamosse[2][0] = 0xfeedface;
  ply = 1;
  perftmode = 1;
  int n = generabianco(false);
  perftmode = 0;
  EXPECT_EQ(n, MAXMOVES - 1);
  EXPECT_EQ(listamosse[2][0], 0xfeedfaceu);  // the next list's scratch slot is untouched
}

TEST(MoveGen, OrderingPassesScoreAndDelete) {
  // Normal pass: a king move onto an attacked square is deleted, pieces get scores.
  setUp("4k3/8/8/8/8/8/4r3/4K3 w - - 0 1");
  posizioni[0].checker = 64;  // treat as not in check to reach the normal pass
  iterationDepth = 5;
  ply = 1;
  int n = generabianco(false);
  int kept = 0;
  for (int i = 1; i <= n; ++i) {
    uint32_t m = listamosse[1][i];
    if (m == 0) continue;
    ++kept;
    EXPECT_NE(mvTo(m), sq("d2"));  // attacked by the rook
    EXPECT_NE(mvTo(m), sq("f2"));
    EXPECT_GE(m >> 17, 3000u);
  }
  EXPECT_EQ(kept, 3);  // d1, f1 and the capture on e2
  // Evasion pass: capturing the checker scores highest.
  setUp("4k3/8/8/8/8/8/4r3/4K3 w - - 0 1");
  EXPECT_EQ(posizioni[0].checker, sq("e2"));
  ply = 1;
  n = generabianco(false);
  uint32_t best = 0;
  for (int i = 1; i <= n; ++i) best = std::max(best, listamosse[1][i]);
  EXPECT_EQ(best & MV_SQUARES, static_cast<uint32_t>(sq("e1") + 64 * sq("e2")));
}

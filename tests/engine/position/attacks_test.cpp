#include "engine/position/attacks.h"

#include <gtest/gtest.h>

#include "engine/position/position.h"
#include "support/engine_fixture.h"

using zeftest::setUp;
using zeftest::sq;

namespace {
void freshMaps() {
  attacchibianco[0].stamp = ~posizioni[0].hashcheck;
  attacchinero[0].stamp = ~posizioni[0].hashcheck;
  calcolaattacchibianco(0);
  calcolaattacchinero(0);
}
}  // namespace

TEST(Attacks, StartPositionBlackMap) {
  setUp(STARTFEN);
  freshMaps();
  for (int s = sq("a6"); s <= sq("h6"); ++s) EXPECT_EQ(attacchinero[0].sq[s], 1) << s;
  for (int s = 0; s < sq("a6"); ++s) EXPECT_EQ(attacchinero[0].sq[s], 0) << s;
  for (int s = sq("a3"); s <= sq("h3"); ++s) EXPECT_EQ(attacchibianco[0].sq[s], 1) << s;
  EXPECT_EQ(attacchinero[0].stamp, posizioni[0].hashcheck);
}

TEST(Attacks, CheapestAttackerWins) {
  // d5 attacked by the black knight f6 and the black queen d8.
  setUp("3qk3/8/5n2/8/8/8/8/4K3 w - - 0 1");
  freshMaps();
  EXPECT_EQ(attacchinero[0].sq[sq("d5")], 2);
  EXPECT_EQ(attacchinero[0].sq[sq("d7")], 2);
  EXPECT_EQ(attacchinero[0].sq[sq("e7")], 5);  // the queen is cheaper than the king
  EXPECT_EQ(attacchinero[0].sq[sq("f8")], 6);
  EXPECT_EQ(attacchinero[0].sq[sq("f6")], 5);  // the queen's diagonal ends on the knight
  setUp("4k3/8/5n2/8/8/8/8/4K3 w - - 0 1");
  freshMaps();
  EXPECT_EQ(attacchinero[0].sq[sq("f6")], 0);  // a piece never marks its own square
}

TEST(Attacks, RayStopsAfterFirstBlocker) {
  setUp("r3k3/8/8/8/p7/8/8/4K3 w - - 0 1");
  freshMaps();
  EXPECT_EQ(attacchinero[0].sq[sq("a5")], 4);
  EXPECT_EQ(attacchinero[0].sq[sq("a4")], 4);  // the blocker itself is marked
  EXPECT_EQ(attacchinero[0].sq[sq("a3")], 0);  // behind the blocker
  EXPECT_EQ(attacchinero[0].sq[sq("b3")], 1);
}

TEST(Attacks, StampSkipsRebuild) {
  setUp(STARTFEN);
  freshMaps();
  attacchinero[0].sq[0] = 99;
  calcolaattacchinero(0);
  EXPECT_EQ(attacchinero[0].sq[0], 99);
}

TEST(CheckDetection, OpenAndBlockedFile) {
  setUp("4q3/8/8/8/8/8/8/4K2k w - - 0 1");
  EXPECT_EQ(cercascaccobianco(sq("e1")), sq("e8"));
  setUp("4q3/8/8/4p3/8/8/8/4K2k w - - 0 1");
  EXPECT_EQ(cercascaccobianco(sq("e1")), 64);
  setUp("k7/8/8/8/8/8/8/4K2B b - - 0 1");
  EXPECT_EQ(cercascacconero(sq("a8")), sq("h1"));
  setUp("k7/8/8/3P4/8/8/8/4K2B b - - 0 1");
  EXPECT_EQ(cercascacconero(sq("a8")), 64);
}

TEST(CheckDetection, PawnKnightAndEdgeWrap) {
  setUp("8/8/8/8/8/3p4/4K3/7k w - - 0 1");
  EXPECT_EQ(cercascaccobianco(sq("e2")), sq("d3"));
  // A pawn on a8's neighbour file does not wrap around the board edge.
  setUp("8/8/8/8/8/7p/K7/7k w - - 0 1");
  EXPECT_EQ(cercascaccobianco(sq("a2")), 64);
  setUp("8/8/8/8/3n4/8/4K3/7k w - - 0 1");
  EXPECT_EQ(cercascaccobianco(sq("e2")), sq("d4"));
  // A later find replaces an earlier one: the knight beats the pawn.
  setUp("8/8/8/8/3n4/3p4/4K3/7k w - - 0 1");
  EXPECT_EQ(cercascaccobianco(sq("e2")), sq("d4"));
}

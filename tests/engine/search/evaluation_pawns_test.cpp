// Pawn-structure entries and the king-and-pawn ending evaluation.
#include <gtest/gtest.h>

#include <string>

#include "engine/position/position.h"
#include "engine/search/clock.h"
#include "engine/search/evaltables.h"
#include "engine/search/evaluation.h"
#include "engine/toolkit.h"
#include "support/engine_fixture.h"

using zeftest::setUp;
using zeftest::sq;

namespace evaltest {
std::string mirrorFen(const std::string& fen);
}

namespace {

const PawnEntry& pawnsOf(const std::string& fen, int phase = 0) {
  setUp(fen);
  if (phase) posizioni[0].phase = static_cast<uint8_t>(phase);
  evaluatePawns();
  return pawnEntryOf(posizioni[0]);
}

}  // namespace

TEST(PawnStructure, LonePawnFillsTheEntry) {
  const PawnEntry& e = pawnsOf("4k3/8/8/8/8/8/P7/4K3 w - - 0 1");
  // Isolated -12, passed on rank 2 (worth 0), ending square -20.
  EXPECT_EQ(e.pawnScore, -32);
  EXPECT_EQ(e.whitePassedFiles, 1 << 1);
  EXPECT_EQ(e.blackPassedFiles, 0);
  EXPECT_EQ(e.whiteFileCount[1], 1);
  EXPECT_EQ(e.whiteRankMin[1], 1);
  for (int i : {0, 2, 8, 9}) EXPECT_EQ(e.whiteRankMin[i], 8) << i;
  for (int i = 0; i < 10; ++i) EXPECT_EQ(e.blackRankMax[i], 0) << i;
  EXPECT_EQ(e.whiteFileCount[0] + e.whiteFileCount[9] + e.blackFileCount[0] + e.blackFileCount[9], 0);
  EXPECT_EQ(e.whitePassedFar, 0);
}

TEST(PawnStructure, ConnectedDoubledAndFarPassers) {
  // d5 and e5: passed 20, connected 70 (rank index 4), square 2, each.
  EXPECT_EQ(pawnsOf("4k3/8/8/3PP3/8/8/8/4K3 w - - 0 1").pawnScore, 2 * (20 + 70 + 2));
  // A rook pawn beside its neighbour is not counted as connected:
  // a5: passed 10, square 2; b5: passed 15, connected 70, square 2.
  EXPECT_EQ(pawnsOf("4k3/8/8/PP6/8/8/8/4K3 w - - 0 1").pawnScore, 10 + 2 + 15 + 70 + 2);
  // Doubled c4 and c5, isolated: (-12 + 8 - 10 - 2) + (-12 + 20 - 10 + 2).
  EXPECT_EQ(pawnsOf("4k3/8/8/2P5/2P5/8/8/4K3 w - - 0 1").pawnScore, -16);
  // A passer on the sixth sets the far flag; on the fifth it does not.
  EXPECT_EQ(pawnsOf("4k3/8/3P4/8/8/8/8/4K3 w - - 0 1").whitePassedFar, 1);
  EXPECT_EQ(pawnsOf("4k3/8/8/3P4/8/8/8/4K3 w - - 0 1").whitePassedFar, 0);
  EXPECT_EQ(pawnsOf("4k3/8/8/8/8/3p4/8/4K3 w - - 0 1").blackPassedFar, 1);
  EXPECT_EQ(pawnsOf("4k3/8/8/8/3p4/8/8/4K3 w - - 0 1").blackPassedFar, 0);
  // A far pawn that is not passed sets nothing.
  EXPECT_EQ(pawnsOf("4k3/3p4/3P4/8/8/8/8/4K3 w - - 0 1").whitePassedFar, 0);
}

TEST(PawnStructure, PassedPawnRule) {
  // Side by side on neighbouring files both pawns are passed.
  const PawnEntry& a = pawnsOf("4k3/8/8/8/3pP3/8/8/4K3 w - - 0 1");
  EXPECT_EQ(a.whitePassedFiles, 1 << 5);
  EXPECT_EQ(a.blackPassedFiles, 1 << 4);
  // The same with the White pawn on the other side.
  const PawnEntry& a2 = pawnsOf("4k3/8/8/8/3Pp3/8/8/4K3 w - - 0 1");
  EXPECT_EQ(a2.whitePassedFiles, 1 << 4);
  EXPECT_EQ(a2.blackPassedFiles, 1 << 5);
  // An enemy pawn one rank ahead on a neighbouring file stops it.
  const PawnEntry& b = pawnsOf("4k3/8/8/3p4/4P3/8/8/4K3 w - - 0 1");
  EXPECT_EQ(b.whitePassedFiles, 0);
  EXPECT_EQ(b.blackPassedFiles, 0);
  // An enemy pawn ahead on the same file stops it, one behind does not.
  EXPECT_EQ(pawnsOf("4k3/4p3/8/8/4P3/8/8/4K3 w - - 0 1").whitePassedFiles, 0);
  const PawnEntry& c = pawnsOf("4k3/8/8/4P3/4p3/8/8/4K3 w - - 0 1");
  EXPECT_EQ(c.whitePassedFiles, 1 << 5);
  EXPECT_EQ(c.blackPassedFiles, 1 << 5);
  EXPECT_EQ(c.blackRankMax[5], 3);
  EXPECT_EQ(c.whiteRankMin[5], 4);
  // Pawns on the edge files see no file beyond the board.
  const PawnEntry& d = pawnsOf("4k3/7p/8/8/8/8/P7/4K3 w - - 0 1");
  EXPECT_EQ(d.whitePassedFiles, 1 << 1);
  EXPECT_EQ(d.blackPassedFiles, 1 << 8);
}

TEST(PawnStructure, SquareTablesFollowThePhase) {
  // e4 is worth 10 in the middle game and -2 otherwise (phase 1 included).
  const std::string fen = "4k3/p7/8/8/4P3/8/P7/4K3 w - - 0 1";
  const int middle = pawnsOf(fen, 2).pawnScore;
  const int ending = pawnsOf(fen, 3).pawnScore;
  const int opening = pawnsOf(fen, 1).pawnScore;
  // e4 10 against -2, a2 4 against -20, Black's a7 -4 against +20.
  EXPECT_EQ(middle - ending, 12 + 24 - 24);
  EXPECT_EQ(opening, ending);
  // Black's pawn on d4 scores 5 for Black where White's on d5 scores 4.
  EXPECT_EQ(pawnsOf("4k3/pp6/8/8/3p4/8/PP6/4K3 w - - 0 1", 2).pawnScore +
                pawnsOf("4k3/pp6/8/3P4/8/8/PP6/4K3 w - - 0 1", 2).pawnScore,
            4 - 5);
}

TEST(PawnEnding, UnstoppablePasserRespectsTheTempo) {
  // a5 against the king e6: dp 3, dk 4. With White to move it runs.
  // Pawn terms 0 (isolated -12, passed 10, square 2), material 100, kings
  // 0 - 10.
  setUp("8/8/4k3/P7/8/8/8/7K w - - 0 1");
  EXPECT_EQ(evaluatePawnEnding(0), 90 + 600);
  setUp("8/8/4k3/P7/8/8/8/7K b - - 0 1");
  EXPECT_EQ(evaluatePawnEnding(0), 90);
  // Black's passer, mirrored.
  setUp("7k/8/8/8/p7/4K3/8/8 b - - 0 1");
  EXPECT_EQ(evaluatePawnEnding(0), -90 - 600);
  setUp("7k/8/8/8/p7/4K3/8/8 w - - 0 1");
  EXPECT_EQ(evaluatePawnEnding(0), -90);
  // Both run: neither bonus (every other term cancels).
  setUp("7k/8/8/P7/p7/8/8/7K w - - 0 1");
  EXPECT_EQ(evaluatePawnEnding(0), 0);
}

TEST(PawnEnding, MirrorNegates) {
  for (const char* fen : {"8/5k2/8/3P4/8/8/5K2/8 w - - 0 1", "8/pp3k2/2p5/3p4/3P4/2P5/PP3K2/8 b - - 0 1",
                          "8/8/4k3/P7/8/8/1p6/7K w - - 0 1", "8/2k5/pp6/8/5P2/6P1/6K1/8 b - - 0 1"}) {
    SCOPED_TRACE(fen);
    setUp(fen);
    const int a = evaluatePawnEnding(0);
    setUp(evaltest::mirrorFen(fen));
    EXPECT_EQ(a + evaluatePawnEnding(0), 0);
  }
}

TEST(PawnEnding, LongReversibleLinesDeepInTheTreeAreDrawn) {
  setUp("8/8/4k3/P7/8/8/8/7K w - - 0 1");
  posizioni[16] = posizioni[0];
  posizioni[16].halfmoves = 15;
  EXPECT_EQ(evaluatePawnEnding(16), 0);
  posizioni[16].halfmoves = 14;
  EXPECT_NE(evaluatePawnEnding(16), 0);
  posizioni[15] = posizioni[0];
  posizioni[15].halfmoves = 40;
  EXPECT_NE(evaluatePawnEnding(15), 0);
}

TEST(PawnEnding, EveryThousandTwentyFourthCallSamplesTheClock) {
  double fake = 0.25;
  setClockSource([&fake] { return fake; });
  setUp("8/8/4k3/P7/8/8/8/7K w - - 0 1");
  clockNow = 0.25;
  fake = 0.75;
  evalCalls = 0;
  for (int i = 0; i < 1023; ++i) evaluatePawnEnding(0);
  EXPECT_EQ(clockNow, 0.25);
  evaluatePawnEnding(0);
  EXPECT_EQ(clockNow, 0.75);
  setClockSource(nullptr);
}

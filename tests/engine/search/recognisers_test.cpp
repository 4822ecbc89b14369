// Ending recognition: the dispatch by material and each recogniser, with
// every White/Black pair checked against the mirrored position.
#include <gtest/gtest.h>

#include <string>

#include "engine/position/position.h"
#include "engine/search/evaluation.h"
#include "engine/search/searchstate.h"
#include "support/engine_fixture.h"

using zeftest::setUp;
using zeftest::sq;

namespace evaltest {
std::string mirrorFen(const std::string& fen);
}

namespace {

struct Verdict {
  int score;
  int status;
};

constexpr int16_t UNTOUCHED = 12345;

// Recognise record 0 of a position set up in the ending (the bounds of ply
// 0 are set so that a won king-and-pawn score may end the line).
Verdict recognise(const std::string& fen, int phase = 3) {
  setUp(fen);
  tposizione& p = posizioni[0];
  p.phase = static_cast<uint8_t>(phase);
  p.score = UNTOUCHED;
  p.evalstatus = EVAL_ORDINARY;
  whiteBound[0] = 0;
  blackBound[0] = 0;
  recogniseEnding();
  return {p.score, p.evalstatus};
}

// The mirrored position gets the negated score and the same status.
void expectMirrored(const std::string& fen, int score, int status) {
  SCOPED_TRACE(fen);
  const Verdict a = recognise(fen);
  EXPECT_EQ(a.score, score);
  EXPECT_EQ(a.status, status);
  const Verdict b = recognise(evaltest::mirrorFen(fen));
  EXPECT_EQ(b.score, -score) << "mirrored";
  EXPECT_EQ(b.status, status) << "mirrored";
}

}  // namespace

TEST(RecogniserDispatch, DeadDrawsAreFinal) {
  expectMirrored("8/8/4k3/8/8/4K3/8/8 w - - 0 1", 0, EVAL_FINAL);
  expectMirrored("8/8/4k3/8/8/4K3/8/5B2 w - - 0 1", 0, EVAL_FINAL);
  expectMirrored("8/8/4k3/8/8/4K3/8/5N2 b - - 0 1", 0, EVAL_FINAL);
}

TEST(RecogniserDispatch, OneMinorEachIsDrawish) {
  expectMirrored("8/8/4k3/3n4/8/4K3/8/5B2 w - - 0 1", 0, EVAL_DRAWISH);
  expectMirrored("8/8/4k3/3b4/8/4K3/8/5N2 w - - 0 1", 0, EVAL_DRAWISH);
  expectMirrored("8/8/4k3/3n4/8/4K3/8/5N2 w - - 0 1", 0, EVAL_DRAWISH);
  expectMirrored("8/8/4k3/3b4/8/4K3/8/5B2 w - - 0 1", 0, EVAL_DRAWISH);
}

TEST(RecogniserDispatch, MinorAgainstPawnLeansToThePawn) {
  expectMirrored("8/8/4k3/8/8/4K3/3p4/5N2 w - - 0 1", -10, EVAL_SPECIAL);
  expectMirrored("8/8/4k3/8/8/4K3/3p4/5B2 b - - 0 1", -10, EVAL_SPECIAL);
}

TEST(RecogniserDispatch, OtherMaterialAndOtherPhasesAreLeftAlone) {
  for (const char* fen : {"8/8/4k3/8/8/4K3/3p4/5R2 w - - 0 1", "8/8/4k3/8/3q4/4K3/8/5Q2 w - - 0 1",
                          "8/8/4k3/8/8/4K3/8/5Q2 w - - 0 1", "8/8/4k3/8/2pP4/4K3/8/8 w - - 0 1"}) {
    const Verdict v = recognise(fen);
    EXPECT_EQ(v.score, UNTOUCHED) << fen;
    EXPECT_EQ(v.status, EVAL_ORDINARY) << fen;
  }
  const Verdict v = recognise("8/8/4k3/8/8/4K3/8/8 w - - 0 1", 2);
  EXPECT_EQ(v.status, EVAL_ORDINARY);
  EXPECT_EQ(v.score, UNTOUCHED);
}

TEST(RecogniserDispatch, AFiftyMoveDrawStands) {
  setUp("8/8/4k3/3n4/8/4K3/8/5R2 w - - 0 1");
  tposizione& p = posizioni[0];
  p.score = 0;
  p.evalstatus = EVAL_FINAL;
  recogniseEnding();
  EXPECT_EQ(p.score, 0);
  EXPECT_EQ(p.evalstatus, EVAL_FINAL);
}

TEST(KingAndPawn, StrongSideToMove) {
  // The pawn outruns the king: 600 + 10 x rank; final when above Black's bound.
  expectMirrored("8/8/7k/8/P7/8/8/2K5 w - - 0 1", 630, EVAL_FINAL);
  // The defending king is much nearer the pawn.
  expectMirrored("8/8/8/1k6/P7/8/8/7K w - - 0 1", 0, EVAL_SPECIAL);
  // The stronger king beside the promotion square.
  expectMirrored("8/3K4/8/7k/4P3/8/8/8 w - - 0 1", 430, EVAL_SPECIAL);
  // Kings in front of and behind the pawn; in the corner it is a draw.
  expectMirrored("8/8/8/4k3/4P3/4K3/8/8 w - - 0 1", 700, EVAL_FINAL);
  expectMirrored("7k/7P/7K/8/8/8/8/8 w - - 0 1", 0, EVAL_SPECIAL);
  // Pawn on the sixth, kings two ranks apart on a file, defender in front.
  expectMirrored("3k4/8/3KP3/8/8/8/8/8 w - - 0 1", 0, EVAL_SPECIAL);
  // A rook pawn with the defender beside the corner.
  expectMirrored("8/1k6/8/8/P7/2K5/8/8 w - - 0 1", 0, EVAL_SPECIAL);
  // Nothing decisive: the material balance.
  expectMirrored("8/8/3k4/8/3P4/2K5/8/8 w - - 0 1", 100, EVAL_SPECIAL);
}

TEST(KingAndPawn, DefendingSideToMove) {
  // Black to move gets one more tempo: 4 < 7 - 1 still runs, not final.
  expectMirrored("8/8/7k/8/P7/8/8/2K5 b - - 0 1", 630, EVAL_SPECIAL);
  // Here Black's king catches the pawn.
  expectMirrored("8/8/8/2k5/P7/8/8/7K b - - 0 1", 0, EVAL_SPECIAL);
  // King beside the promotion square and next to the pawn.
  expectMirrored("8/2K1k3/1P6/8/8/8/8/8 b - - 0 1", 650, EVAL_SPECIAL);
  // King beside the promotion square, the defender far from the pawn.
  expectMirrored("8/2K5/8/6k1/1P6/8/8/8 b - - 0 1", 430, EVAL_SPECIAL);
  // Pawn on the sixth with the defender in front: 300 or 200.
  expectMirrored("3k4/8/3KP3/8/8/8/8/8 b - - 0 1", 300, EVAL_SPECIAL);
  expectMirrored("3k4/8/4P3/8/3K4/8/8/8 b - - 0 1", 200, EVAL_SPECIAL);
}

TEST(KingAndPawn, WinIsFinalOnlyAboveTheParentsBound) {
  setUp("8/8/7k/8/P7/8/8/2K5 w - - 0 1");
  tposizione& p = posizioni[0];
  blackBound[0] = 700;
  recogniseEnding();
  EXPECT_EQ(p.score, 630);
  EXPECT_EQ(p.evalstatus, EVAL_SPECIAL);
  blackBound[0] = 629;
  p.evalstatus = EVAL_ORDINARY;
  recogniseEnding();
  EXPECT_EQ(p.evalstatus, EVAL_FINAL);
}

TEST(BishopAndPawn, ScoresByFileAndBishop) {
  // Not a rook pawn: 600 + 10 x rank.
  expectMirrored("7k/8/8/8/4P3/2K5/2B5/8 w - - 0 1", 630, EVAL_SPECIAL);
  // The bishop controls the promotion square (h8 is dark, like c1).
  expectMirrored("7k/8/8/8/7P/2K5/8/2B5 w - - 0 1", 530, EVAL_SPECIAL);
}

TEST(BishopAndPawn, WrongBishopDrawsWithTheKingInTheCorner) {
  expectMirrored("7k/8/8/8/7P/2KB4/8/8 w - - 0 1", 0, EVAL_SPECIAL);
  expectMirrored("8/6k1/8/8/7P/2KB4/8/8 w - - 0 1", 0, EVAL_SPECIAL);
  expectMirrored("8/1k6/8/P7/8/8/8/2B1K3 w - - 0 1", 0, EVAL_SPECIAL);
  // The king in front of the pawn on its file also holds.
  expectMirrored("8/8/7k/8/7P/2KB4/8/8 w - - 0 1", 0, EVAL_SPECIAL);
}

TEST(BishopAndPawn, WrongBishopWinsWhenTheKingIsTooFar) {
  expectMirrored("8/8/8/7P/1k6/2KB4/8/8 w - - 0 1", 450, EVAL_SPECIAL);
  // The pawn h5 needs 3 moves; the king d6 is 4 from h8: with White to
  // move it arrives too late, with Black to move it holds.
  expectMirrored("8/8/3k4/7P/8/2KB4/8/8 w - - 0 1", 450, EVAL_SPECIAL);
  expectMirrored("8/8/3k4/7P/8/2KB4/8/8 b - - 0 1", 0, EVAL_SPECIAL);
  // From the second rank the pawn may move two squares: 5 moves from h2.
  expectMirrored("8/8/8/8/8/1k1B4/7P/K7 w - - 0 1", 450, EVAL_SPECIAL);
  expectMirrored("8/8/8/8/2k5/3B4/7P/K7 w - - 0 1", 0, EVAL_SPECIAL);
}

TEST(BishopAndPawn, RaceRowsMeasureTheWayToTheCorner) {
  EXPECT_EQ(rookPawnRace[1][sq("h8")], 0);
  EXPECT_EQ(rookPawnRace[1][sq("g7")], 1);
  EXPECT_EQ(rookPawnRace[1][sq("g8")], 1);
  EXPECT_EQ(rookPawnRace[1][sq("h7")], 2);  // a pawn there promotes in 1
  EXPECT_EQ(rookPawnRace[1][sq("h3")], 6);  // 5 moves
  EXPECT_EQ(rookPawnRace[1][sq("h2")], 6);  // 5 moves, the double step
  EXPECT_EQ(rookPawnRace[1][sq("a1")], 7);
  EXPECT_EQ(rookPawnRace[1][sq("d6")], 4);
  EXPECT_EQ(rookPawnRace[0][sq("a8")], 0);
  EXPECT_EQ(rookPawnRace[0][sq("b6")], 2);
  EXPECT_EQ(rookPawnRace[0][sq("a5")], 4);
  EXPECT_EQ(rookPawnRace[0][sq("h1")], 7);
}

TEST(BishopPair, MatingScoreAndHangingBishop) {
  // d4 is in the centre block, h8 a corner: 964 - 0 - 8 x 4.
  expectMirrored("7k/8/8/8/3K4/8/8/2B2B2 w - - 0 1", 932, EVAL_DRAWISH);
  // The king outside the centre block: -50; e5 in the middle: 15 x 10.
  expectMirrored("8/8/8/4k3/8/8/8/1KB2B2 w - - 0 1", 964 - 150 - 8 * 4 - 50, EVAL_DRAWISH);
  // A bishop next to the defending king and unguarded falls.
  expectMirrored("8/8/8/4k3/3B4/8/8/1K3B2 b - - 0 1", 0, EVAL_DRAWISH);
  // With White to move it does not.
  EXPECT_NE(recognise("8/8/8/4k3/3B4/8/8/1K3B2 w - - 0 1").score, 0);
  // Guarded by the king it does not fall either.
  EXPECT_NE(recognise("8/8/8/4k3/3B4/2K5/8/5B2 b - - 0 1").score, 0);
}

TEST(BishopPair, FinalInsideASearchButNotInTheGameItself) {
  setUp("7k/8/8/8/3K4/8/8/2B2B2 w - - 0 1");
  const uint32_t gameKey = posizioni[0].materialkey;
  posizioni[1] = posizioni[0];
  posizioni[0].materialkey = gameKey + MK_BKNIGHT;  // the game still has a knight
  ply = 1;
  recogniseEnding();
  EXPECT_EQ(posizioni[1].score, 932);
  EXPECT_EQ(posizioni[1].evalstatus, EVAL_FINAL);
  ply = 0;
}

TEST(RookAgainstKnight, ForksHangingRooksAndDistance) {
  // Knight and king apart on a rank, rook to move: 50 + 120.
  expectMirrored("1n2k3/8/8/8/8/8/8/4K2R w - - 0 1", 170, EVAL_DRAWISH);
  expectMirrored("1n2k3/8/8/8/8/8/8/4K2R b - - 0 1", 70, EVAL_DRAWISH);
  // King and knight together in the centre: 45 - 10 - 10.
  expectMirrored("8/8/8/4k3/3n4/8/8/K6R w - - 0 1", 25, EVAL_DRAWISH);
  // The knight attacks the rook with its side to move.
  expectMirrored("8/8/8/4k3/8/1n6/8/R5K1 b - - 0 1", 0, EVAL_DRAWISH);
  // The rook stands unguarded next to the defending king.
  expectMirrored("8/8/8/4k3/3R4/8/8/n5K1 b - - 0 1", 0, EVAL_DRAWISH);
}

TEST(QueenMate, MateAndStalemateOnTheEdge) {
  // Mated in the corner (only three neighbours).
  EXPECT_EQ(recognise("7K/6q1/5k2/8/8/8/8/8 w - - 0 1").score, -32000);
  // Stalemated in the corner.
  const Verdict stale = recognise("7K/5q2/6k1/8/8/8/8/8 w - - 0 1");
  EXPECT_EQ(stale.score, 0);
  EXPECT_EQ(stale.status, EVAL_SPECIAL);
  // Mated on the edge.
  EXPECT_EQ(recognise("8/8/8/8/8/4k3/4q3/4K3 w - - 0 1").score, -32000);
  // Checked with d1 free: no verdict but the mating score, m = 1500 + 30
  // (Black's king two rings further in), kings 2 apart, queen 3 away.
  EXPECT_EQ(recognise("8/8/8/8/7q/4k3/8/4K3 w - - 0 1").score, -1530 - 15 * 6 - 40 * 5);
}

TEST(QueenMate, HangingQueenAndTheMatingScore) {
  EXPECT_EQ(recognise("7k/8/8/3q4/3K4/8/8/8 w - - 0 1").score, 0);
  // With Black to move the edge is not examined: m = 1500, kings 2 apart
  // (-15 x 6), queen 2 away (-40 x 6).
  EXPECT_EQ(recognise("7K/5q2/6k1/8/8/8/8/8 b - - 0 1").score, -1500 - 90 - 240);
  // King in the middle: m = 1500 - 20 x 3, and -100 for the queen on the
  // edge while the king is not.
  const Verdict v = recognise("8/8/8/4K3/8/8/1k6/q7 w - - 0 1");
  EXPECT_EQ(v.score, -(1500 - 60 - 100) - 15 * (8 - 3) - 40 * (8 - 4));
  EXPECT_EQ(v.status, EVAL_SPECIAL);
}

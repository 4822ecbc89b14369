#include "game/boardeditor.h"

#include <gtest/gtest.h>

#include <cstring>

#include "engine/position/fen.h"
#include "engine/position/position.h"
#include "support/engine_fixture.h"

namespace {

using zeftest::sq;

TEST(BoardEditor, StartsFromTheBoardAndWritesItsFen) {
  zeftest::initialiseEngineOnce();
  zeftest::setUp("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
  BoardEditor e;
  e.begin();
  EXPECT_EQ(e.fen(), "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 1");
  EXPECT_EQ(e.problemKey(), nullptr);
  EXPECT_TRUE(fenProblem(e.fen()).empty());

  // A right goes with its king and rook: moving the rook away drops it.
  e.put(sq("h1"), EMPTY);
  EXPECT_FALSE(e.castlingPossible(CASTLE_WK));
  EXPECT_EQ(e.fen(), "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBN1 b Qkq - 0 1");
  e.put(sq("h1"), ROOK);
  EXPECT_FALSE(e.castling(CASTLE_WK)) << "a right once dropped is not given back by itself";
  e.setCastling(CASTLE_WK, true);
  EXPECT_TRUE(e.castling(CASTLE_WK));
  e.put(sq("e8"), EMPTY);
  e.put(sq("g8"), -KING);
  e.setCastling(CASTLE_BQ, true);
  EXPECT_EQ(e.fen(), "rnbq1bkr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQ - 0 1");
}

TEST(BoardEditor, SaysWhatKeepsAPositionFromBeingPlayed) {
  zeftest::initialiseEngineOnce();
  BoardEditor e;
  e.clearBoard();
  EXPECT_STREQ(e.problemKey(), "E_KINGS");
  e.put(sq("e1"), KING);
  e.put(sq("e8"), -KING);
  EXPECT_EQ(e.problemKey(), nullptr);
  e.put(sq("a8"), PAWN);
  EXPECT_STREQ(e.problemKey(), "E_PAWNRANK");
  e.put(sq("a8"), EMPTY);
  e.put(sq("d1"), KING);
  EXPECT_STREQ(e.problemKey(), "E_KINGS") << "two White kings";
  e.put(sq("d1"), EMPTY);
  // White to move while Black's king stands in check from a rook.
  e.put(sq("e4"), ROOK);
  EXPECT_STREQ(e.problemKey(), "E_CHECK");
  e.setWhiteToMove(false);
  EXPECT_EQ(e.problemKey(), nullptr) << "the side to move may be in check";
  // Kings side by side: whoever is to move could take the other.
  e.put(sq("e4"), EMPTY);
  e.put(sq("e8"), EMPTY);
  e.put(sq("e2"), -KING);
  EXPECT_STREQ(e.problemKey(), "E_CHECK");
  e.put(sq("e2"), EMPTY);
  e.put(sq("e8"), -KING);
  for (const char* s : {"a3", "b3", "c3", "d3", "e3"}) e.put(sq(s), -BISHOP);
  EXPECT_STREQ(e.problemKey(), "E_TOOMANY");
  // A pawn of either colour gives check from the right side only.
  e.clearBoard();
  e.put(sq("e1"), KING);
  e.put(sq("e8"), -KING);
  e.put(sq("d7"), PAWN);
  e.setWhiteToMove(true);
  EXPECT_STREQ(e.problemKey(), "E_CHECK");
  e.put(sq("d7"), EMPTY);
  e.put(sq("d2"), PAWN);
  e.put(sq("d7"), -PAWN);
  EXPECT_EQ(e.problemKey(), nullptr) << "a Black pawn on d7 does not attack e8";
}

}  // namespace

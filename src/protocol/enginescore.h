// Scores as front ends show them: from the side of the engine (the side to
// move at the root), with mates counted in moves.
#pragma once

#include "engine/search/driver.h"

// The root score of the search (White's point of view) seen by the side to move.
constexpr int fromMoverSide(int whiteScore, bool whiteToMove) { return whiteToMove ? whiteScore : -whiteScore; }

// Moves to mate for a mover-side score: positive when the mover mates,
// negative when it is mated, 0 for an ordinary score. A mate at ply p of the
// line scores 32000 - p/2, so the mover's own mating move is on an odd ply.
constexpr int mateInMoves(int moverScore) {
  if (moverScore > MATESCORE) return 32000 - moverScore + 1;
  if (moverScore < -MATESCORE) {
    const int n = 32000 + moverScore;
    return n < 1 ? -1 : -n;
  }
  return 0;
}

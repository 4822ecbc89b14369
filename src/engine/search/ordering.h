// Move ordering helpers: the best-first picker, the killer tables and the
// root list re-ordering between iterations.
#pragma once

#include <cstdint>

#include "engine/position/position.h"
#include "engine/search/searchstate.h"

// Bonus for a move generated at ply p from the cut-off moves of row p-1:
// 30 per matching entry, and for a quiet move 30 more per quiet entry.
inline int killerBonus(uint32_t m) {
  const int row = ply - 1;
  const uint16_t key = static_cast<uint16_t>(m & MV_SQUARES);
  int bonus = 0;
  if ((m & MV_MOVE) < MV_CAPTURE)
    for (int i = 0; i < 3; ++i) bonus += quietCutoffMoves[row][i] == key ? 30 : 0;
  for (int i = 0; i < 3; ++i) bonus += cutoffMoves[row][i] == key ? 30 : 0;
  return bonus;
}

struct RootScore {
  uint32_t move;  // 17-bit move
  int32_t score;
};
// Root moves of the last iteration with their scores, index 1..moveCount[1].
extern RootScore rootScores[MAXMOVES];

// Selection step over slots i..n: the largest code (ties to the earliest
// slot) is swapped into slot i; its 17-bit move.
inline uint32_t selectBest(uint32_t* list, int i, int n) {
  int best = i;
  for (int k = i + 1; k <= n; ++k)
    if (list[k] > list[best]) best = k;
  const uint32_t m = list[best];
  list[best] = list[i];
  list[i] = m;
  return m & MV_MOVE;
}

// The i-th move to try at the node of ply (17-bit), completing a list that so
// far holds only the hash move when slot 2 is reached.
uint32_t dammiprimo(int i);
// A cut-off of the node at ply p with best move bestMove[p].
void recordCutoff(int p);
// Re-order the root list by the previous iteration's scores (best first).
void orderRootMoves();

#include "engine/search/ordering.h"

#include "engine/position/movegen.h"

RootScore rootScores[MAXMOVES];

uint32_t dammiprimo(int i) {
  uint32_t* list = listamosse[ply];
  if (i == 2 && list[2] == MV_MARKER) {
    const uint32_t hashMoveCode = list[1] & MV_MOVE;
    const int n = posizioni[ply - 1].side == WHITE ? generabianco(false) : generanero(false);
    moveCount[ply] = n;
    for (int k = 1; k <= n; ++k)
      if ((list[k] & MV_MOVE) == hashMoveCode) {
        const uint32_t t = list[k];
        list[k] = list[1];
        list[1] = t;
        break;
      }
    // With a single move the loop must still see slot 2: the move is tried twice.
    if (n == 1) {
      moveCount[ply] = 2;
      list[2] = list[1];
    }
  }
  return selectBest(list, i, moveCount[ply]);
}

void recordCutoff(int p) {
  const uint32_t b = bestMove[p];
  uint16_t* row = cutoffMoves[p - 1];
  row[2] = row[1];
  row[1] = row[0];
  row[0] = static_cast<uint16_t>(b & MV_SQUARES);
  if ((b & MV_MOVE) < MV_CAPTURE) {
    uint16_t* quiet = quietCutoffMoves[p - 1];
    quiet[2] = quiet[1];
    quiet[1] = quiet[0];
    quiet[0] = static_cast<uint16_t>(b & MV_SQUARES);
  }
}

void orderRootMoves() {
  const int n = moveCount[1];
  const bool white = posizioni[0].side == WHITE;
  // The previous iteration's moves in its order, kept only when they are in
  // the current list: a list left over from an interrupted iteration can
  // never bring a move of another position into the root list.
  RootScore current[MAXMOVES];
  bool taken[MAXMOVES] = {};
  int count = 0;
  for (int j = 1; j <= n; ++j)
    for (int k = 1; k <= n; ++k)
      if (!taken[k] && (listamosse[1][k] & MV_MOVE) == rootScores[j].move) {
        taken[k] = true;
        current[++count] = rootScores[j];
        break;
      }
  for (int k = 1; k <= n; ++k)
    if (!taken[k]) current[++count] = RootScore{listamosse[1][k] & MV_MOVE, white ? -1000000 : 1000000};
  for (int pass = 0; pass < n; ++pass)
    for (int k = 1; k < n; ++k) {
      const bool better = white ? current[k + 1].score > current[k].score : current[k + 1].score < current[k].score;
      if (better) {
        const RootScore t = current[k];
        current[k] = current[k + 1];
        current[k + 1] = t;
      }
    }
  for (int k = 1; k <= n; ++k) {
    rootScores[k] = current[k];
    listamosse[1][k] = current[k].move + (static_cast<uint32_t>(4000 - k) << 17);
  }
}

#include "engine/position/attacks.h"

#include "engine/position/geometry.h"
#include "engine/position/position.h"

namespace {

inline void walk(uint8_t* m, const int8_t* board, int s, int step, int len, uint8_t v) {
  for (int i = 0; i < len; ++i) {
    s += step;
    m[s] = v;
    if (board[s]) break;
  }
}

inline void orthogonal(uint8_t* m, const int8_t* board, int s, uint8_t v) {
  int f = s & 7, r = s >> 3;
  walk(m, board, s, 8, 7 - r, v);
  walk(m, board, s, -8, r, v);
  walk(m, board, s, 1, 7 - f, v);
  walk(m, board, s, -1, f, v);
}

inline void diagonal(uint8_t* m, const int8_t* board, int s, uint8_t v) {
  walk(m, board, s, 9, rayUpRight[s], v);
  walk(m, board, s, 7, rayUpLeft[s], v);
  walk(m, board, s, -7, rayDownRight[s], v);
  walk(m, board, s, -9, rayDownLeft[s], v);
}

inline void kingRing(uint8_t* m, int k) {
  switch (kingclass[k]) {
    case 0:
      for (int d : {9, 8, 7, 1, -1, -7, -8, -9}) m[k + d] = 6;
      break;
    case 1:
      for (int i = 0; i < 5; ++i) m[kingedgelist[k][i]] = 6;
      break;
    default:
      for (int i = 0; i < 3; ++i) m[kingedgelist[k][i]] = 6;
      break;
  }
}

template <bool White>
void buildMap(int p) {
  const tposizione& pos = posizioni[p];
  tattacchi& map = White ? attacchibianco[p] : attacchinero[p];
  if (map.stamp == pos.hashcheck) return;
  uint8_t* m = map.sq;
  for (int i = 0; i < 64; ++i) m[i] = 0;
  map.stamp = pos.hashcheck;
  const int8_t* board = pos.board;

  kingRing(m, White ? pos.whiteking : pos.blackking);
  const auto& queens = White ? pos.wqueens : pos.bqueens;
  for (int i = 0; i < queens.n; ++i) {
    diagonal(m, board, queens.sq[i], 5);
    orthogonal(m, board, queens.sq[i], 5);
  }
  const auto& rooks = White ? pos.wrooks : pos.brooks;
  for (int i = 0; i < rooks.n; ++i) orthogonal(m, board, rooks.sq[i], 4);
  const auto& bishops = White ? pos.wbishops : pos.bbishops;
  for (int i = 0; i < bishops.n; ++i) diagonal(m, board, bishops.sq[i], 3);
  const auto& knights = White ? pos.wknights : pos.bknights;
  for (int i = 0; i < knights.n; ++i) {
    const uint8_t* kl = knightlist[knights.sq[i]];
    for (int j = 1; j <= kl[0]; ++j) m[kl[j]] = 2;
  }
  const auto& pawns = White ? pos.wpawns : pos.bpawns;
  for (int i = 0; i < pawns.n; ++i) {
    int e = pawns.sq[i];
    // A pawn on its last rank (only from a contrived set-up) attacks nothing on the board.
    if (White) {
      if (e >= 56) continue;
      if ((e & 7) != 0) m[e + 7] = 1;
      if ((e & 7) != 7) m[e + 9] = 1;
    } else {
      if (e < 8) continue;
      if ((e & 7) != 7) m[e - 7] = 1;
      if ((e & 7) != 0) m[e - 9] = 1;
    }
  }
}

// Attackers of the king of colour White on square k, by pieces of the other colour.
template <bool White>
uint8_t findChecker(int k) {
  const tposizione& pos = posizioni[ply];
  const int8_t* board = pos.board;
  uint8_t result = NOSQ;
  const int8_t pawn = White ? -1 : 1;
  if (White) {
    if (k + 7 < 64 && ((k + 7) & 7) != 7 && board[k + 7] == pawn) result = static_cast<uint8_t>(k + 7);
    if (k + 9 < 64 && ((k + 9) & 7) != 0 && board[k + 9] == pawn) result = static_cast<uint8_t>(k + 9);
  } else {
    if (k - 7 >= 0 && ((k - 7) & 7) != 0 && board[k - 7] == pawn) result = static_cast<uint8_t>(k - 7);
    if (k - 9 >= 0 && ((k - 9) & 7) != 7 && board[k - 9] == pawn) result = static_cast<uint8_t>(k - 9);
  }
  const auto& knights = White ? pos.bknights : pos.wknights;
  for (int i = 0; i < knights.n; ++i)
    if (relation[k][knights.sq[i]] == 3) result = knights.sq[i];
  const auto& bishops = White ? pos.bbishops : pos.wbishops;
  for (int i = 0; i < bishops.n; ++i) {
    int s = bishops.sq[i];
    if (relation[k][s] == 2 && lineClear(k, s, pos.occupiedlo, pos.occupiedhi)) result = static_cast<uint8_t>(s);
  }
  const auto& rooks = White ? pos.brooks : pos.wrooks;
  for (int i = 0; i < rooks.n; ++i) {
    int s = rooks.sq[i];
    if (relation[k][s] == 1 && lineClear(k, s, pos.occupiedlo, pos.occupiedhi)) result = static_cast<uint8_t>(s);
  }
  const auto& queens = White ? pos.bqueens : pos.wqueens;
  for (int i = 0; i < queens.n; ++i) {
    int s = queens.sq[i];
    int rel = relation[k][s];
    if ((rel == 1 || rel == 2) && lineClear(k, s, pos.occupiedlo, pos.occupiedhi)) result = static_cast<uint8_t>(s);
  }
  int enemyKing = White ? pos.blackking : pos.whiteking;
  if (distance[k][enemyKing] == 1) return static_cast<uint8_t>(enemyKing);
  return result;
}

}  // namespace

void calcolaattacchibianco(int p) { buildMap<true>(p); }
void calcolaattacchinero(int p) { buildMap<false>(p); }
uint8_t cercascaccobianco(int k) { return findChecker<true>(k); }
uint8_t cercascacconero(int k) { return findChecker<false>(k); }

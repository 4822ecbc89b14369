#include "engine/search/pruning.h"

#include "engine/position/attacks.h"
#include "engine/position/geometry.h"
#include "engine/position/position.h"
#include "engine/search/evaluation.h"
#include "engine/search/searchstate.h"

namespace {

constexpr int innerSteps[8] = {9, 8, 7, 1, -1, -7, -8, -9};

// The king is in danger when many of its neighbours are attacked: more than
// 3 of 8 inside the board, more than 2 of 5 on the edge, any of 3 in a corner.
bool kingInDanger(int k, const uint8_t* enemyMap) {
  int attacked = 0;
  switch (kingclass[k]) {
    case 0:
      for (int d : innerSteps) attacked += enemyMap[k + d] != 0;
      return attacked > 3;
    case 1:
      for (int i = 0; i < 5; ++i) attacked += enemyMap[kingedgelist[k][i]] != 0;
      return attacked > 2;
    default:
      for (int i = 0; i < 3; ++i) attacked += enemyMap[kingedgelist[k][i]] != 0;
      return attacked >= 1;
  }
}

// W: the side to move in the new record (the side whose pieces may hang).
template <bool W>
void prune() {
  tposizione& p = posizioni[ply];
  const int D = iterationDepth + p.extension / 8;
  if (p.evalstatus != EVAL_ORDINARY || p.piececount <= 2 || ply >= D || p.checker != NOSQ || ply < D / 2 || ply <= 3)
    return;
  const PawnEntry& pe = pawnEntryOf(p);
  if (W ? pe.blackPassedFar : pe.whitePassedFar) return;
  if ((W ? p.blacktally : p.whitetally) >= 3) return;
  const int M = W ? p.score - (D - ply) * 25 - blackBound[ply] : whiteBound[ply] - p.score - (D - ply) * 25;
  if (M <= 25) return;

  calcolaattacchibianco(ply);
  calcolaattacchinero(ply);
  const uint8_t* enemy = W ? attacchinero[ply].sq : attacchibianco[ply].sq;
  const uint8_t* own = W ? attacchibianco[ply].sq : attacchinero[ply].sq;
  int T = 0;
  const auto& queens = W ? p.wqueens : p.bqueens;
  for (int i = 0; i < queens.n; ++i) {
    const int a = enemy[queens.sq[i]];
    if (!a) continue;
    T += 2;
    if (a == QUEEN) {
      --T;
      if (M > 400) --T;
    }
  }
  if (T < 2 && M < 540) {
    const auto& rooks = W ? p.wrooks : p.brooks;
    for (int i = 0; i < rooks.n; ++i) {
      const int s = rooks.sq[i], a = enemy[s];
      if (!a) continue;
      ++T;
      if ((a == ROOK && M > 50) || (a == QUEEN && own[s])) --T;
    }
  }
  auto minors = [&](const auto& list, int kind) {
    for (int i = 0; i < list.n; ++i) {
      const int s = list.sq[i], a = enemy[s];
      if (!a) continue;
      ++T;
      if (a == kind || (a >= ROOK && own[s])) --T;
    }
  };
  if (T < 2 && M < 350) minors(W ? p.wbishops : p.bbishops, BISHOP);
  if (T < 2 && M < 350) minors(W ? p.wknights : p.bknights, KNIGHT);
  if (T < 2 && M < 150) {
    const auto& pawns = W ? p.wpawns : p.bpawns;
    for (int i = 0; i < pawns.n; ++i) {
      const int s = pawns.sq[i], a = enemy[s];
      if (!a) continue;
      ++T;
      if (a == PAWN || own[s]) --T;
    }
  }

  bool cut = false;
  if (T <= 0) {
    cut = D - ply < 3 || !kingInDanger(W ? p.whiteking : p.blackking, enemy);
  } else if (T == 1) {
    const int earlier = posizioni[ply - 4].score;
    cut = ply > 7 && (W ? earlier - blackBound[ply] > 50 : whiteBound[ply] - earlier > 50);
  }
  if (cut) p.evalstatus = EVAL_FINAL;
}

}  // namespace

void staticThreatPruning() {
  if (posizioni[ply].side == WHITE)
    prune<true>();
  else
    prune<false>();
}

#include "engine/search/search.h"

#include <algorithm>
#include <string>

#include "engine/host.h"
#include "engine/position/game.h"
#include "engine/position/makemove.h"
#include "engine/position/movegen.h"
#include "engine/position/position.h"
#include "engine/search/cache.h"
#include "engine/search/clock.h"
#include "engine/search/ordering.h"
#include "engine/search/quiescenza.h"
#include "engine/search/searchstate.h"
#include "engine/toolkit.h"

namespace {

// Where a node sits: the interior nodes alternate between the root side's
// nodes (which pump messages, read the clock and deepen internally) and the
// replies; the three plies below the root have fixed initial scores.
enum class Kind { Outer, Inner, Root2, Root3, Root4 };

constexpr Kind childKind(Kind k) {
  switch (k) {
    case Kind::Outer: return Kind::Inner;
    case Kind::Inner: return Kind::Outer;
    case Kind::Root2: return Kind::Root3;
    case Kind::Root3: return Kind::Root4;
    default: return Kind::Outer;
  }
}

template <bool W>
int initialScore(int P, Kind kind) {
  switch (kind) {
    case Kind::Root2: return W ? -32000 : 32000;
    case Kind::Root3:
    case Kind::Root4: return W ? -31999 : 31999;
    default: return W ? P / 2 - 32000 : 32000 - P / 2;
  }
}

// The node of side W at ply P, whose position is record P-1. Entered with
// ply = P-1; leaves its score in nodeScore[P] and ply = P-1.
template <bool W>
void node(int P, Kind kind) {
  int* ownBound = W ? whiteBound : blackBound;
  int* otherBound = W ? blackBound : whiteBound;
  if (kind == Kind::Outer) {
    const tposizione& q = posizioni[P - 1];
    if (P - 1 < q.extension / 8 + iterationDepth - 2) pumpMessages();
  }
  ply = P;
  if (kind == Kind::Root3 && repetitionCount() >= 2) {
    nodeScore[P] = 0;
    ply = P - 1;
    return;
  }
  if (nodeStatus() <= 0) {
    nodeScore[P] = W ? quiesceWhite() : quiesceBlack();
    ply = P - 1;
    return;
  }
  // Internal iterative deepening: a shallow search of the same node leaves a
  // hash move to try first.
  const bool deepen =
      kind == Kind::Outer ? iterationDepth > P + (W ? 3 : 4) : kind == Kind::Root3 && iterationDepth > 6;
  if (deepen && !probeHashMove()) {
    const int saved = iterationDepth;
    iterationDepth = kind == Kind::Outer ? P + 1 : 5;
    ply = P - 1;
    node<W>(P, kind);
    iterationDepth = saved;
    ply = P;
  }

  nodeScore[P] = initialScore<W>(P, kind);
  ownBound[P] = ownBound[P - 2];
  legalCount[P] = 0;
  bestMove[P] = 0;
  exactFlag[P] = 1;
  moveCount[P] = W ? generabianco(true) : generanero(true);
  const Kind child = childKind(kind);
  const bool readsClock = kind == Kind::Outer || kind == Kind::Root3;
  for (int i = 1; i <= moveCount[P]; ++i) {
    ply = P;
    const uint32_t m = dammiprimo(i);
    if (!eseguimossa(m, ownBound[P])) continue;
    ++legalCount[P];
    if (readsClock && deadlinePassed()) {
      stopSearch = 1;
      break;
    }
    node<!W>(P + 1, child);
    if (kind == Kind::Root2) pumpMessages();
    const int v = nodeScore[P + 1];
    if (W ? v > nodeScore[P] : v < nodeScore[P]) {
      nodeScore[P] = v;
      if (W ? v > ownBound[P] : v < ownBound[P]) ownBound[P] = v;
      bestMove[P] = m;
    }
    if (W ? nodeScore[P] >= otherBound[P - 1] : nodeScore[P] <= otherBound[P - 1]) {
      exactFlag[P] = 0;
      recordCutoff(P);
      break;
    }
  }
  ply = P;
  if (legalCount[P] == 0) {
    if (posizioni[P - 1].checker == NOSQ) nodeScore[P] = 0;  // stalemate; otherwise the mate score stands
  } else {
    storeHash();
  }
  ply = P - 1;
}

// The legal root move with the highest ordering score: the answer of an
// iteration stopped before any root move was searched, with no earlier one.
uint32_t fallbackRootMove() {
  uint32_t best = 0, bestCode = 0;
  for (int k = 1; k <= moveCount[1]; ++k) {
    const uint32_t code = listamosse[1][k];
    if (code == 0 || (best && code <= bestCode)) continue;
    ply = 1;
    if (eseguimossa(code, 32100)) {
      best = code & MV_MOVE;
      bestCode = code;
    }
  }
  ply = 1;
  return best;
}

template <bool W>
uint32_t root() {
  int* ownBound = W ? whiteBound : blackBound;
  stopSearch = 0;
  clearPvTable();
  hashHits = 0;
  captureGenCalls = 0;
  sampleClock();
  const int top = W ? 50 : 90;
  for (int p = 0; p <= top; ++p) {
    nodeScore[p] = 0;
    moveCount[p] = 0;
    legalCount[p] = 0;
    whiteBound[p] = -32000;
    blackBound[p] = 32000;
  }
  if (W)
    for (int row = 1; row <= 48; ++row)
      quietCutoffMoves[row][0] = quietCutoffMoves[row][1] = quietCutoffMoves[row][2] = 0;

  ply = 1;
  moveCount[1] = W ? generabianco(false) : generanero(false);
  uint32_t previousBest = 0;
  int previousScore = 0;
  if (iterationDepth > 3) {
    orderRootMoves();
    previousBest = rootScores[1].move;
    previousScore = rootScores[1].score;
  }
  nodeScore[1] = W ? -32000 : 32000;
  ownBound[1] = nodeScore[1];
  legalCount[1] = 0;
  exactFlag[1] = 1;

  uint32_t result = 0;
  for (int i = 1; i <= moveCount[1]; ++i) {
    if (rootMargin > 0) {
      // One below the margin, so that a move failing low lies outside it.
      ownBound[1] =
          W ? std::max(-32000, nodeScore[1] - rootMargin - 1) : std::min(32000, nodeScore[1] + rootMargin + 1);
    } else if (iterationDepth > 4 && i == 2 && reducedAtDepth <= iterationDepth &&
               (W ? previousScore - 50 > whiteBound[1] : previousScore + 50 < blackBound[1])) {
      reducedAtDepth = iterationDepth;
      --iterationDepth;
    }
    if (W) {
      if (deadlinePassed()) {
        stopSearch = 1;
        break;
      }
    } else if (stopSearch) {
      break;
    }
    ply = 1;
    const uint32_t m = dammiprimo(i);
    const bool legale = eseguimossa(m, 32100);
    if (legale) {
      ++legalCount[1];
      ply = 2;
      if (repetitionCount() >= 2) {
        nodeScore[2] = 0;
      } else {
        ply = 1;
        node<!W>(2, Kind::Root2);
      }
      ply = 1;
      const int v = nodeScore[2];
      if (W ? v > nodeScore[1] : v < nodeScore[1]) {
        nodeScore[1] = v;
        if (W ? v > ownBound[1] : v < ownBound[1]) ownBound[1] = v;
        if (!stopSearch) {
          result = m;
          bestMove[1] = m;
        } else if (!W) {
          engineHost().writeLine("stoppato a mossa " + std::to_string(i));
        }
      }
    }
    // An illegal move keeps the worst score: it must never lead the next
    // iteration's order, nor stand in for an interrupted iteration's move.
    rootScores[i] = RootScore{m & MV_MOVE, legale ? nodeScore[2] : (W ? -1000000 : 1000000)};
  }
  ply = 1;
  // The iteration's score is the best move's, not the last move's window.
  if (rootMargin > 0) ownBound[1] = nodeScore[1];
  if (!result && iterationDepth >= 4) result = previousBest;
  if (!result) result = fallbackRootMove();
  return result;
}

}  // namespace

int nodeStatus() {
  const int p = ply;
  const tposizione& q = posizioni[p - 1];
  // Past this ply only quiescence runs, so no line outgrows the record array.
  if (p >= LASTSEARCHPLY) return 0;
  const int limit = iterationDepth + q.extension / 8;
  if (limit >= p) return q.evalstatus == EVAL_FINAL ? 0 : 1;
  if (q.checker != NOSQ) return 2;
  if ((q.whitetally > 3 || q.blacktally > 3) && p < limit + iterationDepth / 2) return 4;
  if (p >= 5 && q.piececount == 0 && posizioni[p - 5].piececount != 0 && p < limit + 5) return 4;
  return 0;
}

void searchbianco() { node<true>(ply + 1, Kind::Outer); }
void searchnero() { node<false>(ply + 1, Kind::Outer); }
uint32_t cercabianco() { return root<true>(); }
uint32_t cercanero() { return root<false>(); }

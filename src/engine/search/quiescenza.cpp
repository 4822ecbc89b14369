#include "engine/search/quiescenza.h"

#include "engine/position/attacks.h"
#include "engine/position/geometry.h"
#include "engine/position/makemove.h"
#include "engine/position/position.h"
#include "engine/search/evaluation.h"
#include "engine/search/ordering.h"
#include "engine/search/searchstate.h"

int32_t captureGenCalls = 0;
const int16_t pieceValue[7] = {0, 100, 295, 300, 480, 900, 2000};

namespace {

// The last record a quiescence line may build: its children would need a
// record beyond the array.
constexpr int LASTQPLY = MAXPLY - 2;

constexpr int innerKingSteps[8] = {9, 8, 7, 1, -1, -7, -8, -9};

// Victim classes: knights and bishops are one.
constexpr int victimClass[7] = {0, 1, 2, 2, 3, 4, 5};

struct CaptureEmitter {
  uint32_t* list;
  int n = 0;
  void add(uint32_t m) {
    if (n < MAXMOVES - 1) list[++n] = m;
  }
};

template <bool W>
inline bool enemy(int8_t v) {
  return W ? v < 0 : v > 0;
}

template <bool W>
inline bool worth(int8_t v, int minClass) {
  const int t = v < 0 ? -v : v;
  return enemy<W>(v) && victimClass[t] >= minClass;
}

template <bool W>
inline void slideCapture(CaptureEmitter& e, const int8_t* board, int from, int step, int len, int minClass) {
  int s = from;
  for (int i = 0; i < len; ++i) {
    s += step;
    if (board[s]) {
      if (worth<W>(board[s], minClass)) e.add(mvMake(from, s, MV_CAPTURE));
      return;
    }
  }
}

template <bool W>
inline void orthoCaptures(CaptureEmitter& e, const int8_t* board, int s, int minClass) {
  const int f = s & 7, r = s >> 3;
  slideCapture<W>(e, board, s, 8, 7 - r, minClass);
  slideCapture<W>(e, board, s, -8, r, minClass);
  slideCapture<W>(e, board, s, 1, 7 - f, minClass);
  slideCapture<W>(e, board, s, -1, f, minClass);
}

template <bool W>
inline void diagCaptures(CaptureEmitter& e, const int8_t* board, int s, int minClass) {
  slideCapture<W>(e, board, s, 9, rayUpRight[s], minClass);
  slideCapture<W>(e, board, s, 7, rayUpLeft[s], minClass);
  slideCapture<W>(e, board, s, -7, rayDownRight[s], minClass);
  slideCapture<W>(e, board, s, -9, rayDownLeft[s], minClass);
}

template <bool W>
int generateCaptures(int /*bound*/) {
  ++captureGenCalls;
  const tposizione& p = posizioni[ply - 1];
  const PawnEntry& pe = pawnEntryOf(p);
  int minClass = 1;   // pawn
  int bestClass = 4;  // queen
  if (p.piececount > 4) {
    const bool enemyPassed = W ? pe.blackPassedFiles != 0 : pe.whitePassedFiles != 0;
    const int margin = enemyPassed ? 300 : 150;
    const int gap = W ? whiteBound[ply - 2] - p.score : p.score - blackBound[ply - 2];
    if (gap > margin) {
      minClass = 2;
      if (gap > 350) minClass = 3;
      if (gap > 550) minClass = 4;
      const int enemyQueens = W ? p.bqueens.n : p.wqueens.n;
      const int enemyRooks = W ? p.brooks.n : p.wrooks.n;
      if (enemyQueens == 0) bestClass = enemyRooks == 0 ? 2 : 3;
    }
  }
  const bool ownPassed = W ? pe.whitePassedFiles != 0 : pe.blackPassedFiles != 0;
  if (!ownPassed && bestClass < minClass) return 0;

  const int8_t* board = p.board;
  CaptureEmitter e{listamosse[ply]};
  const auto& pawns = W ? p.wpawns : p.bpawns;
  constexpr int fwd = W ? 8 : -8;
  for (int i = 0; i < pawns.n; ++i) {
    const int s = pawns.sq[i];
    const int r = s >> 3, f = s & 7;
    if (r == (W ? 7 : 0)) continue;
    const int c1 = W ? s + 7 : s - 9, c2 = W ? s + 9 : s - 7;
    if (r == (W ? 6 : 1)) {
      if (!board[s + fwd]) e.add(mvMake(s, s + fwd, MV_PROMO_Q) + mvScore(8100));
      if (f != 0 && enemy<W>(board[c1])) e.add(mvMake(s, c1, MV_CAPTURE | MV_PROMO_Q) + mvScore(8102));
      if (f != 7 && enemy<W>(board[c2])) e.add(mvMake(s, c2, MV_CAPTURE | MV_PROMO_Q) + mvScore(8102));
    } else {
      if (f != 0 && worth<W>(board[c1], minClass)) e.add(mvMake(s, c1, MV_CAPTURE));
      if (f != 7 && worth<W>(board[c2], minClass)) e.add(mvMake(s, c2, MV_CAPTURE));
    }
  }
  if (bestClass >= minClass) {
    const auto& knights = W ? p.wknights : p.bknights;
    for (int i = 0; i < knights.n; ++i) {
      const uint8_t* kl = knightlist[knights.sq[i]];
      for (int j = 1; j <= kl[0]; ++j)
        if (worth<W>(board[kl[j]], minClass)) e.add(mvMake(knights.sq[i], kl[j], MV_CAPTURE));
    }
    const auto& bishops = W ? p.wbishops : p.bbishops;
    for (int i = 0; i < bishops.n; ++i) diagCaptures<W>(e, board, bishops.sq[i], minClass);
    const auto& rooks = W ? p.wrooks : p.brooks;
    for (int i = 0; i < rooks.n; ++i) orthoCaptures<W>(e, board, rooks.sq[i], minClass);
    const auto& queens = W ? p.wqueens : p.bqueens;
    for (int i = 0; i < queens.n; ++i) {
      orthoCaptures<W>(e, board, queens.sq[i], minClass);
      diagCaptures<W>(e, board, queens.sq[i], minClass);
    }
    const int k = W ? p.whiteking : p.blackking;
    const int ring = kingclass[k] == 0 ? 8 : kingclass[k] == 1 ? 5 : 3;
    for (int j = 0; j < ring; ++j) {
      const int t = kingclass[k] == 0 ? k + innerKingSteps[j] : kingedgelist[k][j];
      if (worth<W>(board[t], minClass)) e.add(mvMake(k, t, MV_CAPTURE));
    }
  }

  const int n = e.n;
  if (n >= 2) {
    if (W)
      calcolaattacchinero(ply - 1);
    else
      calcolaattacchibianco(ply - 1);
    const uint8_t* defended = W ? attacchinero[ply - 1].sq : attacchibianco[ply - 1].sq;
    uint32_t* list = listamosse[ply];
    for (int i = 1; i <= n; ++i) {
      const uint32_t m = list[i];
      if (m >= 0x2000) continue;
      const int from = mvFrom(m), to = mvTo(m);
      const int victim = board[to] < 0 ? -board[to] : board[to];
      const int attacker = board[from] < 0 ? -board[from] : board[from];
      int score = pieceValue[victim] + 4000 - attacker;
      if (defended[to]) score -= pieceValue[attacker];
      list[i] = m + mvScore(static_cast<uint32_t>(score));
    }
  }
  return n;
}

// One node of the side W at ply P (position record P-1), its replies inline.
template <bool W>
int quiesceNode() {
  const int P = ply;
  int* ownBound = W ? whiteBound : blackBound;
  int* otherBound = W ? blackBound : whiteBound;
  ownBound[P] = ownBound[P - 2];
  nodeScore[P] = posizioni[P - 1].score;
  if (P > LASTQPLY) return nodeScore[P];
  moveCount[P] = generateCaptures<W>(ownBound[P]);
  for (int i = 1; i <= moveCount[P]; ++i) {
    ply = P;
    const uint32_t m = pickCapture(i);
    if (!eseguimossa(m, ownBound[P])) continue;
    // The reply node of the other side at P+1.
    const int R = P + 1;
    ply = R;
    otherBound[R] = otherBound[P - 1];
    nodeScore[R] = posizioni[P].score;
    const bool replyStands = W ? nodeScore[R] < ownBound[P] : nodeScore[R] > ownBound[P];
    if (replyStands || posizioni[P].evalstatus == EVAL_FINAL || R > LASTQPLY)
      moveCount[R] = 0;
    else
      moveCount[R] = generateCaptures<!W>(otherBound[R]);
    for (int j = 1; j <= moveCount[R]; ++j) {
      ply = R;
      const uint32_t m2 = pickCapture(j);
      if (!eseguimossa(m2, otherBound[R])) continue;
      // The side W to move again at R+1.
      const tposizione& next = posizioni[R];
      int v;
      const bool standsPat = W ? next.score > otherBound[R] : next.score < otherBound[R];
      if (standsPat || next.evalstatus == EVAL_FINAL) {
        v = next.score;
      } else {
        ply = R + 1;
        v = quiesceNode<W>();
      }
      ply = R;
      const bool better = W ? v < nodeScore[R] : v > nodeScore[R];
      if (better) {
        nodeScore[R] = v;
        if (W ? v < otherBound[R] : v > otherBound[R]) otherBound[R] = v;
      }
      if (W ? nodeScore[R] <= ownBound[P] : nodeScore[R] >= ownBound[P]) break;
    }
    ply = P;
    const bool better = W ? nodeScore[R] > nodeScore[P] : nodeScore[R] < nodeScore[P];
    if (better) {
      nodeScore[P] = nodeScore[R];
      if (W ? nodeScore[P] > ownBound[P] : nodeScore[P] < ownBound[P]) ownBound[P] = nodeScore[P];
    }
    if (W ? nodeScore[P] >= otherBound[P - 1] : nodeScore[P] <= otherBound[P - 1]) break;
  }
  ply = P;
  return nodeScore[P];
}

template <bool W>
int quiesceEntry() {
  const tposizione& q = posizioni[ply - 1];
  if (q.evalstatus > EVAL_DRAWISH) return q.score;
  if (W ? q.score > blackBound[ply - 1] : q.score < whiteBound[ply - 1]) return q.score;
  fullwidth = 0;
  const int r = quiesceNode<W>();
  fullwidth = 1;
  return r;
}

}  // namespace

int quiesceWhite() { return quiesceEntry<true>(); }
int quiesceBlack() { return quiesceEntry<false>(); }
int quiesceWhiteNode() { return quiesceNode<true>(); }
int quiesceBlackNode() { return quiesceNode<false>(); }
int generacatturebianco(int bound) { return generateCaptures<true>(bound); }
int generacatturenero(int bound) { return generateCaptures<false>(bound); }

uint32_t pickCapture(int i) { return selectBest(listamosse[ply], i, moveCount[ply]); }

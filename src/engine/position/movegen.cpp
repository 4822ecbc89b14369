#include "engine/position/movegen.h"

#include "engine/position/attacks.h"
#include "engine/position/geometry.h"
#include "engine/position/position.h"
#include "engine/search/cache.h"
#include "engine/search/evaltables.h"
#include "engine/search/evaluation.h"
#include "engine/search/ordering.h"
#include "engine/search/searchstate.h"

namespace {

// Appends a move; a list that is full takes nothing more (only contrived
// set-ups with many promoted pieces get near the 127 slots).
struct Emitter {
  uint32_t* list;
  int n = 0;
  inline void add(uint32_t m) {
    if (n < MAXMOVES - 1) list[++n] = m;
  }
};

template <bool W>
inline bool enemy(int8_t v) {
  return W ? v < 0 : v > 0;
}

// Sliding moves along one ray of length len: every empty square, then the
// first occupied one as a capture when it holds an enemy piece.
template <bool W>
inline void slide(Emitter& e, const int8_t* board, int from, int step, int len) {
  int s = from;
  for (int i = 0; i < len; ++i) {
    s += step;
    int8_t v = board[s];
    if (v == 0) {
      e.add(mvMake(from, s));
    } else {
      if (enemy<W>(v)) e.add(mvMake(from, s, MV_CAPTURE));
      return;
    }
  }
}

template <bool W>
inline void orthogonal(Emitter& e, const int8_t* board, int s) {
  int f = s & 7, r = s >> 3;
  slide<W>(e, board, s, 8, 7 - r);
  slide<W>(e, board, s, -8, r);
  slide<W>(e, board, s, 1, 7 - f);
  slide<W>(e, board, s, -1, f);
}

template <bool W>
inline void diagonal(Emitter& e, const int8_t* board, int s) {
  slide<W>(e, board, s, 9, rayUpRight[s]);
  slide<W>(e, board, s, 7, rayUpLeft[s]);
  slide<W>(e, board, s, -7, rayDownRight[s]);
  slide<W>(e, board, s, -9, rayDownLeft[s]);
}

template <bool W>
inline void jump(Emitter& e, const int8_t* board, int from, int to) {
  int8_t v = board[to];
  if (v == 0)
    e.add(mvMake(from, to));
  else if (enemy<W>(v))
    e.add(mvMake(from, to, MV_CAPTURE));
}

template <bool W>
inline void promotions(Emitter& e, int from, int to, uint32_t capture) {
  if (capture) {
    e.add(mvMake(from, to, MV_CAPTURE | MV_PROMO_Q) + mvScore(6300));
    e.add(mvMake(from, to, MV_CAPTURE | MV_PROMO_N) + mvScore(3990));
    e.add(mvMake(from, to, MV_CAPTURE | MV_PROMO_R) + mvScore(3550));
    e.add(mvMake(from, to, MV_CAPTURE | MV_PROMO_B) + mvScore(3550));
  } else {
    e.add(mvMake(from, to, MV_PROMO_Q) + mvScore(6000));
    e.add(mvMake(from, to, MV_PROMO_N) + mvScore(3970));
    e.add(mvMake(from, to, MV_PROMO_R) + mvScore(3500));
    e.add(mvMake(from, to, MV_PROMO_B) + mvScore(3500));
  }
}

// ---- ordering passes -------------------------------------------------------

// Penalty rows by phase (1, 2, 3) and attacker type (0 none .. 6 king).
constexpr int minorPenalty[4][7] = {{0}, {0}, {0, -30, 0, 0, 0, 0, 0}, {0, -20, 0, 0, 0, 0, 0}};
constexpr int rookPenalty[4][7] = {{0}, {0}, {0, -50, -10, -10, 0, 0, 0}, {0, -40, -5, -5, 0, 0, 0}};
constexpr int queenPenalty[4][7] = {{0}, {0}, {0, -100, -60, -60, -30, 0, 0}, {0, -70, -30, -30, -15, 0, 0}};
constexpr int evasionCapture[7] = {0, 4200, 4110, 4110, 4105, 4100, 0};
constexpr int evasionBlock[7] = {0, 50, 30, 20, 10, 5, 0};

inline int phaseRow(int phase) { return phase >= 1 && phase <= 3 ? phase : 1; }

// Mirror a square for Black's reading of White's fixed tables.
template <bool W>
constexpr int mir(int s) {
  return W ? s : s ^ 56;
}

template <bool W>
void normalPass(uint32_t* list, int n, const tposizione& p, const uint8_t* attacked) {
  const int phase = p.phase;
  const int row = phaseRow(phase);
  const int lastTo = mvTo(p.lastmove);
  const bool killers = ply > 1 && legalCount[ply - 1] > 0;
  const int enemyKing = W ? p.blackking : p.whiteking;
  const PawnEntry& pe = pawnEntryOf(p);
  const uint8_t* ownFileCount = W ? pe.whiteFileCount : pe.blackFileCount;
  for (int i = 1; i <= n; ++i) {
    uint32_t m = list[i];
    if (m >= 0x20000) continue;  // stamped: castling, promotions, en passant
    const int from = mvFrom(m), to = mvTo(m);
    int bonus = to == lastTo ? 90 : 0;
    if (killers) bonus += killerBonus(m);
    const int piece = W ? p.board[from] : -p.board[from];
    const int captured = p.board[to] < 0 ? -p.board[to] : p.board[to];
    const int att = attacked[to];
    const int value = captureValue[captured];
    int score = 0;
    switch (piece) {
      case PAWN: {
        score = captured ? 4025 + value : 4000;
        if (W)
          score += phase == 2 ? pawnWhiteMiddle[to] - pawnWhiteMiddle[from] : pawnWhiteEnd[to] - pawnWhiteEnd[from];
        else
          score += phase == 2 ? pawnBlackMiddle[to] - pawnBlackMiddle[from] : pawnBlackEnd[to] - pawnBlackEnd[from];
        break;
      }
      case KNIGHT: {
        score = captured ? 4021 + value : 4000;
        if (att) score += minorPenalty[row][att];
        if (phase == 2)
          score +=
              W ? knightWhiteMiddle[to] - knightWhiteMiddle[from] : knightBlackMiddle[to] - knightBlackMiddle[from];
        else
          score += knightEnd[to] - knightEnd[from];
        break;
      }
      case BISHOP: {
        score = captured ? 4020 + value : 4000;
        if (att) score += minorPenalty[row][att];
        if (phase == 2)
          score +=
              W ? bishopWhiteMiddle[to] - bishopWhiteMiddle[from] : bishopBlackMiddle[to] - bishopBlackMiddle[from];
        else
          score += bishopEnd[to] - bishopEnd[from];
        break;
      }
      case ROOK: {
        score = captured ? 4020 + value : 4000;
        if (phase == 2) {
          const bool fromHome = W ? from < 16 : from >= 48;
          const bool toHome = W ? to < 16 : to >= 48;
          if (fromHome && p.piececount > 8) {
            if (toHome)
              score += rookhome[mir<W>(to)] - rookhome[mir<W>(from)];
            else
              score -= rookhome[mir<W>(from)];
          }
          if (ownFileCount[(to & 7) + 1] == 0 && ownFileCount[(from & 7) + 1] > 0) score += 5;
        }
        if (att) score += rookPenalty[row][att];
        break;
      }
      case QUEEN: {
        score = captured ? 4020 + value : 4000;
        if (captured && att >= PAWN && att <= ROOK) score -= 700 - captureValue[att];
        if (att) score += queenPenalty[row][att];
        if (ply < iterationDepth - 2) {
          score += 2 * (distance[enemyKing][from] - distance[enemyKing][to]);
          if (relation[to][enemyKing] == 1) score += 5;
          if (relation[to][enemyKing] == 2) score += 3;
        }
        break;
      }
      case KING: {
        if (att) {
          list[i] = 0;
          continue;
        }
        if (p.piececount > 9)
          score = 3990 + kingopen[mir<W>(to)] - kingopen[mir<W>(from)];
        else if (p.piececount >= 7)
          score = 4000 + kingmid[mir<W>(to)] - kingmid[mir<W>(from)];
        else
          score = 4020 + kingend[to] - kingend[from];
        score += value;
        break;
      }
      default: break;
    }
    list[i] = m + mvScore(static_cast<uint32_t>(bonus + score));
  }
}

template <bool W>
void evasionPass(uint32_t* list, int n, const tposizione& p, const uint8_t* attacked) {
  const int checker = p.checker;
  for (int i = 1; i <= n; ++i) {
    uint32_t m = list[i];
    if (m >= 0x800000) continue;
    const int from = mvFrom(m), to = mvTo(m);
    const int piece = W ? p.board[from] : -p.board[from];
    int score;
    if (piece == KING) {
      if (attacked[to]) {
        list[i] = 0;
        continue;
      }
      const int captured = p.board[to] < 0 ? -p.board[to] : p.board[to];
      score = p.phase == 2 ? 4010 - kingring[to] : 4020 + kingring[to];
      score += captureValue[captured];
      if (to == checker) score += 10;
      if (score > 8100) score = 8100;
    } else if (piece >= PAWN && piece <= QUEEN) {
      if (to == checker)
        score = evasionCapture[piece];
      else if (p.board[to] == 0 && attacked[to])
        score = evasionBlock[piece];
      else
        score = 0;
    } else {
      score = 0;
    }
    list[i] = m + mvScore(static_cast<uint32_t>(score));
  }
}

template <bool W>
void futilityPass(uint32_t* list, int n, const tposizione& p, const uint8_t* attacked) {
  // Squares from which a slider would see the enemy king: 2 diagonal, 1 orthogonal.
  uint8_t mark[64] = {};
  const int ek = W ? p.blackking : p.whiteking;
  auto ray = [&](int step, int len, uint8_t v) {
    int s = ek;
    for (int i = 0; i < len; ++i) {
      s += step;
      mark[s & 63] = v;
      if (p.board[s]) break;
    }
  };
  ray(9, rayUpRight[ek], 2);
  ray(7, rayUpLeft[ek], 2);
  ray(-7, rayDownRight[ek], 2);
  ray(-9, rayDownLeft[ek], 2);
  ray(8, 7 - (ek >> 3), 1);
  ray(-8, ek >> 3, 1);
  ray(1, 7 - (ek & 7), 1);
  ray(-1, ek & 7, 1);

  for (int i = 1; i <= n; ++i) {
    uint32_t m = list[i];
    if (m >= 0x800000) continue;
    const int from = mvFrom(m), to = mvTo(m);
    const int piece = W ? p.board[from] : -p.board[from];
    const int captured = p.board[to] < 0 ? -p.board[to] : p.board[to];
    const bool capture = (m & MV_CAPTURE) != 0;
    const int value = captureValue[captured];
    int score = -1;
    switch (piece) {
      case KNIGHT:
        if (capture || relation[to][ek] == 3) score = 4070 + value;
        break;
      case BISHOP:
        if (capture || mark[to] == 2) score = 4070 + value;
        break;
      case ROOK:
        if (capture || mark[to] == 1) score = 4050 + value;
        break;
      case QUEEN:
        if (capture || mark[to]) score = 4020 + value;
        break;
      case KING:
        if (capture && !attacked[to]) {
          score = 3900 + value;
          if (score > 8100) score = 8100;
        }
        break;
      case PAWN: {
        bool check;
        if (W)
          check = ((to & 7) != 0 && to + 7 == ek) || ((to & 7) != 7 && to + 9 == ek);
        else
          check = ((to & 7) != 7 && to - 7 == ek) || ((to & 7) != 0 && to - 9 == ek);
        const bool advanced = W ? to > 40 : to < 24;
        if (check || capture || advanced)
          score = 4100 + value + (W ? pawnWhiteEnd[to] - pawnWhiteEnd[from] : pawnBlackEnd[to] - pawnBlackEnd[from]);
        break;
      }
      default: break;
    }
    list[i] = score < 0 ? 0 : m + mvScore(static_cast<uint32_t>(score));
  }
}

// ---- the generator -----------------------------------------------------------

template <bool W>
int generate(bool usehash) {
  const tposizione& p = posizioni[ply - 1];
  uint32_t* list = listamosse[ply];
  ++genCalls;
  if (p.checker == NOSQ)
    ++genCallsOutOfCheck;
  else
    ++genCallsInCheck;

  if (usehash) {
    uint32_t hm = tableMoveFor(p);
    if (hm) {
      list[1] = (hm & MV_MOVE) + mvScore(10);
      list[2] = MV_MARKER;
      return 2;
    }
  }

  // Counting moves only, the opponent's map matters only for castling.
  constexpr int home = W ? 0 : 56;
  const bool mayCastle =
      p.checker == NOSQ &&
      (((p.castling & (W ? CASTLE_WK : CASTLE_BK)) && !p.board[home + 5] && !p.board[home + 6]) ||
       ((p.castling & (W ? CASTLE_WQ : CASTLE_BQ)) && !p.board[home + 1] && !p.board[home + 2] && !p.board[home + 3]));
  if (perftmode != 1 || mayCastle) {
    if (W)
      calcolaattacchinero(ply - 1);
    else
      calcolaattacchibianco(ply - 1);
  }
  const uint8_t* attacked = W ? attacchinero[ply - 1].sq : attacchibianco[ply - 1].sq;
  const int8_t* board = p.board;
  Emitter e{list};

  // Castling. The king's destination is left to make-move's king-safety test.
  constexpr int base = W ? 0 : 56;
  if (p.checker == NOSQ) {
    if ((p.castling & (W ? CASTLE_WK : CASTLE_BK)) && !board[base + 5] && !board[base + 6] && !attacked[base + 5])
      e.add(mvMake(base + 4, base + 6) + mvScore(4030));
    if ((p.castling & (W ? CASTLE_WQ : CASTLE_BQ)) && !board[base + 1] && !board[base + 2] && !board[base + 3] &&
        !attacked[base + 3])
      e.add(mvMake(base + 4, base + 2) + mvScore(4025));
  }

  // Pawns.
  const auto& pawns = W ? p.wpawns : p.bpawns;
  constexpr int fwd = W ? 8 : -8;
  for (int i = 0; i < pawns.n; ++i) {
    const int s = pawns.sq[i];
    const int r = s >> 3, f = s & 7;
    if (r == (W ? 7 : 0)) continue;  // a pawn on its last rank (contrived set-up) has no moves
    // Capture targets in generation order: White +7 then +9, Black -9 then -7.
    const int c1 = W ? s + 7 : s - 9;
    const int c2 = W ? s + 9 : s - 7;
    const bool c1ok = f != 0, c2ok = f != 7;
    if (r == (W ? 6 : 1)) {
      if (!board[s + fwd]) promotions<W>(e, s, s + fwd, 0);
      if (c1ok && enemy<W>(board[c1])) promotions<W>(e, s, c1, MV_CAPTURE);
      if (c2ok && enemy<W>(board[c2])) promotions<W>(e, s, c2, MV_CAPTURE);
    } else {
      if (!board[s + fwd]) {
        e.add(mvMake(s, s + fwd));
        if (r == (W ? 1 : 6) && !board[s + 2 * fwd]) e.add(mvMake(s, s + 2 * fwd));
      }
      if (c1ok && enemy<W>(board[c1])) e.add(mvMake(s, c1, MV_CAPTURE));
      if (c2ok && enemy<W>(board[c2])) e.add(mvMake(s, c2, MV_CAPTURE));
    }
  }

  // En passant onto the file of the pawn that has just advanced two squares.
  if (p.epfile < 8) {
    const int ef = p.epfile;
    const int target = W ? 40 + ef : 16 + ef;
    const int8_t own = W ? 1 : -1;
    const int left = W ? 31 + ef : 23 + ef, right = W ? 33 + ef : 25 + ef;
    if (ef > 0 && board[left] == own) e.add(mvMake(left, target, MV_CAPTURE) + mvScore(4060));
    if (ef < 7 && board[right] == own) e.add(mvMake(right, target, MV_CAPTURE) + mvScore(4060));
  }

  const auto& knights = W ? p.wknights : p.bknights;
  for (int i = 0; i < knights.n; ++i) {
    const int s = knights.sq[i];
    if (knightclass[s]) {
      for (int d : {17, 15, 10, 6, -6, -10, -15, -17}) jump<W>(e, board, s, s + d);
    } else {
      const uint8_t* kl = knightlist[s];
      for (int j = 1; j <= kl[0]; ++j) jump<W>(e, board, s, kl[j]);
    }
  }
  const auto& bishops = W ? p.wbishops : p.bbishops;
  for (int i = 0; i < bishops.n; ++i) diagonal<W>(e, board, bishops.sq[i]);
  const auto& queens = W ? p.wqueens : p.bqueens;
  for (int i = 0; i < queens.n; ++i) {
    orthogonal<W>(e, board, queens.sq[i]);
    diagonal<W>(e, board, queens.sq[i]);
  }
  const auto& rooks = W ? p.wrooks : p.brooks;
  for (int i = 0; i < rooks.n; ++i) orthogonal<W>(e, board, rooks.sq[i]);

  const int k = W ? p.whiteking : p.blackking;
  switch (kingclass[k]) {
    case 0:
      for (int d : {9, 8, 7, 1, -1, -7, -8, -9}) jump<W>(e, board, k, k + d);
      break;
    case 1:
      for (int j = 0; j < 5; ++j) jump<W>(e, board, k, kingedgelist[k][j]);
      break;
    default:
      for (int j = 0; j < 3; ++j) jump<W>(e, board, k, kingedgelist[k][j]);
      break;
  }

  const int n = e.n;
  if (perftmode == 1) return n;

  if (p.checker != NOSQ) {
    evasionPass<W>(list, n, p, attacked);
  } else {
    const int over = ply - (p.extension / 8 + iterationDepth - 1);
    bool futile = false;
    if (over > 0 && ply > 5) {
      const int gap = W ? whiteBound[ply] - p.score : p.score - blackBound[ply];
      futile = gap > over * 100 + 200 && p.piececount > 3;
    }
    if (futile) {
      futilityPass<W>(list, n, p, attacked);
      futilityScore[ply] = p.score;
      futilityFlag[ply] = 1;
    } else {
      normalPass<W>(list, n, p, attacked);
    }
  }
  movesGenerated += n;
  return n;
}

}  // namespace

int generabianco(bool usehash) { return generate<true>(usehash); }
int generanero(bool usehash) { return generate<false>(usehash); }
int generamosse(bool usehash) {
  return posizioni[ply - 1].side == BLACK ? generate<false>(usehash) : generate<true>(usehash);
}

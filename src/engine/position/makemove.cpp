#include "engine/position/makemove.h"

#include <cstring>

#include "engine/position/geometry.h"
#include "engine/position/position.h"
#include "engine/search/cache.h"
#include "engine/search/evaluation.h"
#include "engine/search/pruning.h"
#include "engine/search/searchstate.h"

int epvictim = 0;
uint64_t positionsMade = 0;

namespace {

inline void toggleBit(uint32_t& lo, uint32_t& hi, int s) {
  if (s < 32)
    lo ^= 1u << s;
  else
    hi ^= 1u << (s - 32);
}

// The two key halves, kept in registers while the move is made.
struct Key {
  uint32_t check, index;
};

inline void keyOut(Key& k, int s, int piece) {
  k.check ^= pieceKeysCheck[s][piece + 6];
  k.index ^= pieceKeysIndex[s][piece + 6];
}

inline void replaceInList(uint8_t* sq, int n, int from, int to) {
  for (int i = 0; i < n; ++i)
    if (sq[i] == from) {
      sq[i] = static_cast<uint8_t>(to);
      return;
    }
}

// The last entry takes the freed slot.
inline bool removeFromList(uint8_t& n, uint8_t* sq, int s) {
  for (int i = 0; i < n; ++i)
    if (sq[i] == s) {
      sq[i] = sq[--n];
      return true;
    }
  return false;
}

template <int N>
inline bool removeFrom(PieceList<N>& l, int s) {
  return removeFromList(l.n, l.sq, s);
}

template <bool W>
inline bool slidingAttack(const tposizione& p, int k, int s, int kind) {
  // kind 1: rank or file, 2: diagonal
  return relation[k][s] == kind && lineClear(k, s, p.occupiedlo, p.occupiedhi);
}

// Does a slider of the enemy of the king's side (enemy lists given) attack k
// along lines of the given kind? Optionally only through square via.
template <int NQ, int NR>
inline bool lineAttack(const tposizione& p, int k, const PieceList<NQ>& queens, const PieceList<NR>& sliders,
                       int kind) {
  for (int i = 0; i < queens.n; ++i) {
    int s = queens.sq[i];
    if (relation[k][s] == kind && lineClear(k, s, p.occupiedlo, p.occupiedhi)) return true;
  }
  for (int i = 0; i < sliders.n; ++i) {
    int s = sliders.sq[i];
    if (relation[k][s] == kind && lineClear(k, s, p.occupiedlo, p.occupiedhi)) return true;
  }
  return false;
}

template <int NQ, int NR>
inline int lineAttacker(const tposizione& p, int k, const PieceList<NQ>& queens, const PieceList<NR>& sliders,
                        int kind) {
  int found = NOSQ;
  for (int i = 0; i < queens.n; ++i) {
    int s = queens.sq[i];
    if (relation[k][s] == kind && lineClear(k, s, p.occupiedlo, p.occupiedhi)) found = s;
  }
  for (int i = 0; i < sliders.n; ++i) {
    int s = sliders.sq[i];
    if (relation[k][s] == kind && lineClear(k, s, p.occupiedlo, p.occupiedhi)) found = s;
  }
  return found;
}

// W: the mover is White. Record ply already shows the move.
template <bool W>
bool legalAndCheck(int piece, int from, int to) {
  tposizione& p = posizioni[ply];
  const int k = W ? p.whiteking : p.blackking;
  const auto& eq = W ? p.bqueens : p.wqueens;
  const auto& er = W ? p.brooks : p.wrooks;
  const auto& eb = W ? p.bbishops : p.wbishops;
  const int type = piece < 0 ? -piece : piece;

  if (type == KING || p.checker != NOSQ) {
    const int8_t enemyPawn = W ? -1 : 1;
    if (W) {
      if (k < 48) {
        if ((k & 7) != 0 && p.board[k + 7] == enemyPawn) return false;
        if ((k & 7) != 7 && p.board[k + 9] == enemyPawn) return false;
      }
    } else {
      if (k >= 16) {
        if ((k & 7) != 7 && p.board[k - 7] == enemyPawn) return false;
        if ((k & 7) != 0 && p.board[k - 9] == enemyPawn) return false;
      }
    }
    const auto& en = W ? p.bknights : p.wknights;
    for (int i = 0; i < en.n; ++i)
      if (relation[k][en.sq[i]] == 3) return false;
    if (type == KING && distance[k][W ? p.blackking : p.whiteking] == 1) return false;
    if (lineAttack(p, k, eq, eb, 2)) return false;
    if (lineAttack(p, k, eq, er, 1)) return false;
  } else {
    // Only an attack discovered through the squares the move emptied.
    const int rel = relation[from][k];
    if (rel == 1 && lineAttack(p, k, eq, er, 1)) return false;
    if (rel == 2 && lineAttack(p, k, eq, eb, 2)) return false;
    if (epvictim) {
      const int vrel = relation[epvictim][k];
      if (vrel == 1 && lineAttack(p, k, eq, er, 1)) return false;
      if (vrel == 2 && lineAttack(p, k, eq, eb, 2)) return false;
    }
  }

  // Who now gives check to the other king.
  const int ek = W ? p.blackking : p.whiteking;
  const auto& oq = W ? p.wqueens : p.bqueens;
  const auto& orr = W ? p.wrooks : p.brooks;
  const auto& ob = W ? p.wbishops : p.bbishops;
  int checker = NOSQ;
  if (type == PAWN) {
    if (W) {
      if ((ek == to + 7 && (ek & 7) != 7) || (ek == to + 9 && (ek & 7) != 0)) checker = to;
    } else {
      if ((ek == to - 7 && (ek & 7) != 0) || (ek == to - 9 && (ek & 7) != 7)) checker = to;
    }
  }
  if (epvictim) {
    const int vrel = relation[epvictim][ek];
    if (vrel == 1) {
      int s = lineAttacker(p, ek, oq, orr, 1);
      if (s != NOSQ) checker = s;
    } else if (vrel == 2) {
      int s = lineAttacker(p, ek, oq, ob, 2);
      if (s != NOSQ) checker = s;
    }
  }
  if (type == KNIGHT && relation[to][ek] == 3) checker = to;
  if (checker == NOSQ) {
    const int rel = relation[from][ek];
    if (rel == 1) {
      int s = lineAttacker(p, ek, oq, orr, 1);
      if (s != NOSQ) checker = s;
    } else if (rel == 2) {
      int s = lineAttacker(p, ek, oq, ob, 2);
      if (s != NOSQ) checker = s;
    }
    const int trel = relation[to][ek];
    if (type == QUEEN && (trel == 1 || trel == 2) && lineClear(to, ek, p.occupiedlo, p.occupiedhi)) checker = to;
    if (type == ROOK && trel == 1 && lineClear(to, ek, p.occupiedlo, p.occupiedhi)) checker = to;
    if (type == BISHOP && trel == 2 && lineClear(to, ek, p.occupiedlo, p.occupiedhi)) checker = to;
    if (type == KING) {
      constexpr int base = W ? 0 : 56;
      if (from == base + 4 && to == base + 6 && relation[base + 5][ek] == 1 &&
          lineClear(base + 5, ek, p.occupiedlo, p.occupiedhi))
        checker = base + 5;
      if (from == base + 4 && to == base + 2 && relation[base + 3][ek] == 1 &&
          lineClear(base + 3, ek, p.occupiedlo, p.occupiedhi))
        checker = base + 3;
    }
  }
  p.checker = static_cast<uint8_t>(checker);
  return true;
}

inline void removeCaptured(tposizione& p, int piece, int s) {
  switch (piece) {
    case 1: removeFrom(p.wpawns, s); break;
    case -1: removeFrom(p.bpawns, s); break;
    case 2: removeFrom(p.wknights, s); break;
    case -2: removeFrom(p.bknights, s); break;
    case 3: removeFrom(p.wbishops, s); break;
    case -3: removeFrom(p.bbishops, s); break;
    case 4: removeFrom(p.wrooks, s); break;
    case -4: removeFrom(p.brooks, s); break;
    case 5: removeFrom(p.wqueens, s); break;
    case -5: removeFrom(p.bqueens, s); break;
    default: break;
  }
}

template <bool W>
bool makeMove(uint32_t move, int bound) {
  tposizione& p = posizioni[ply];
  std::memcpy(&p, &posizioni[ply - 1], sizeof(tposizione));
  const uint32_t m = move & MV_MOVE;
  const int from = mvFrom(m), to = mvTo(m);
  const bool capture = (m & MV_CAPTURE) != 0;

  const tposizione& parent = posizioni[ply - 1];
  Key key{parent.hashcheck, parent.hashindex};
  if (p.epfile != 10) {
    if (p.epfile < 11) {
      key.check ^= epKeysCheck[p.epfile];
      key.index ^= epKeysIndex[p.epfile];
    }
    p.epfile = 10;
  }
  p.whitetally = 0;
  p.blacktally = 0;
  const uint8_t oldCastling = p.castling;
  bool pawnInvolved = false;
  epvictim = 0;

  // The colour sets are worked on in registers and stored once: reading them
  // back right after a partial store would stall the processor.
  uint32_t wlo = p.whitelo, whi = p.whitehi, blo = p.blacklo, bhi = p.blackhi;
  const int piece = p.board[from];
  // Only a piece of the side to move can move (a code from a key collision or
  // a contrived set-up could name anything else).
  if (W ? piece <= 0 : piece >= 0) return false;
  keyOut(key, from, piece);

  constexpr int base = W ? 0 : 56;  // the mover's first rank
  int placed = piece;
  switch (W ? piece : -piece) {
    case PAWN: {
      // A pawn reaching the last rank must say what it becomes.
      if ((W ? to >= 56 : to < 8) && !(m & MV_PROMOS)) return false;
      p.halfmoves = 0;
      replaceInList(W ? p.wpawns.sq : p.bpawns.sq, W ? p.wpawns.n : p.bpawns.n, from, to);
      if (to - from == (W ? 16 : -16)) {
        p.epfile = static_cast<uint8_t>(to & 7);
        key.check ^= epKeysCheck[p.epfile];
        key.index ^= epKeysIndex[p.epfile];
      }
      pawnInvolved = true;
      break;
    }
    case KNIGHT: {
      auto& l = W ? p.wknights : p.bknights;
      replaceInList(l.sq, l.n, from, to);
      break;
    }
    case BISHOP: {
      auto& l = W ? p.wbishops : p.bbishops;
      replaceInList(l.sq, l.n, from, to);
      break;
    }
    case QUEEN: {
      auto& l = W ? p.wqueens : p.bqueens;
      replaceInList(l.sq, l.n, from, to);
      break;
    }
    case ROOK: {
      auto& l = W ? p.wrooks : p.brooks;
      replaceInList(l.sq, l.n, from, to);
      if (from == base) p.castling &= W ? ~CASTLE_WQ : ~CASTLE_BQ;
      if (from == base + 7) p.castling &= W ? ~CASTLE_WK : ~CASTLE_BK;
      break;
    }
    case KING: {
      (W ? p.whiteking : p.blackking) = static_cast<uint8_t>(to);
      p.castling &= W ? ~(CASTLE_WK | CASTLE_WQ) : ~(CASTLE_BK | CASTLE_BQ);
      if (to == from + 2 || to == from - 2) {
        const int rookFrom = to > from ? base + 7 : base;
        const int rookTo = to > from ? base + 5 : base + 3;
        const int8_t rook = W ? 4 : -4;
        // Castling rights without the rook (a contrived set-up) cannot be used.
        if (p.board[rookFrom] != rook) return false;
        auto& l = W ? p.wrooks : p.brooks;
        replaceInList(l.sq, l.n, rookFrom, rookTo);
        p.board[rookFrom] = 0;
        p.board[rookTo] = rook;
        p.castling |= W ? CASTLED_W : CASTLED_B;
        if (W) {
          toggleBit(wlo, whi, rookFrom);
          toggleBit(wlo, whi, rookTo);
        } else {
          toggleBit(blo, bhi, rookFrom);
          toggleBit(blo, bhi, rookTo);
        }
        keyOut(key, rookFrom, rook);
        keyOut(key, rookTo, rook);
      }
      break;
    }
    default: return false;
  }
  if (W) {
    toggleBit(wlo, whi, from);
    toggleBit(wlo, whi, to);
  } else {
    toggleBit(blo, bhi, from);
    toggleBit(blo, bhi, to);
  }

  if (capture) {
    p.halfmoves = 0;
    const int victim = p.board[to];
    if (victim != 0) {
      // Only an enemy piece other than the king can be taken.
      if (W ? (victim >= 0 || victim == -KING) : (victim <= 0 || victim == KING)) return false;
      if (W)
        toggleBit(blo, bhi, to);
      else
        toggleBit(wlo, whi, to);
      removeCaptured(p, victim, to);
      keyOut(key, to, victim);
      p.materialkey -= materialKeyWeight(victim);
      const int type = victim < 0 ? -victim : victim;
      p.material = static_cast<int16_t>(p.material + (W ? materialValue[type] : -materialValue[type]));
      if (type != PAWN)
        --p.piececount;
      else
        pawnInvolved = true;
      if (to == 0) p.castling &= ~CASTLE_WQ;
      if (to == 7) p.castling &= ~CASTLE_WK;
      if (to == 56) p.castling &= ~CASTLE_BQ;
      if (to == 63) p.castling &= ~CASTLE_BK;
    } else {
      const int v = W ? to - 8 : to + 8;
      const int8_t enemyPawn = W ? -1 : 1;
      if ((W ? piece != 1 : piece != -1) || v < 0 || v > 63 || p.board[v] != enemyPawn) return false;
      epvictim = v;
      removeFrom(W ? p.bpawns : p.wpawns, v);
      p.board[v] = 0;
      keyOut(key, v, enemyPawn);
      p.materialkey -= W ? MK_BPAWN : MK_WPAWN;
      p.material = static_cast<int16_t>(p.material + (W ? 100 : -100));
      if (W)
        toggleBit(blo, bhi, v);
      else
        toggleBit(wlo, whi, v);
      pawnInvolved = true;
    }
    if (p.phase == 2 && p.piececount < 5) {
      p.phase = 3;
      pawnInvolved = true;
    }
  }

  if (m & MV_PROMOS) {
    if (W ? piece != 1 : piece != -1) return false;
    int type = (m & MV_PROMO_Q) ? QUEEN : (m & MV_PROMO_N) ? KNIGHT : (m & MV_PROMO_R) ? ROOK : BISHOP;
    const int promoted = W ? type : -type;
    ListRef list = pieceListOf(p, promoted);
    // A fifth knight, bishop or rook, or a sixth queen, has no room in the record.
    if (*list.n >= list.capacity) return false;
    removeFrom(W ? p.wpawns : p.bpawns, to);
    list.sq[(*list.n)++] = static_cast<uint8_t>(to);
    ++p.piececount;
    p.materialkey = p.materialkey - (W ? MK_WPAWN : MK_BPAWN) + materialKeyWeight(promoted);
    p.material = static_cast<int16_t>(p.material + (W ? 1 : -1) * (materialValue[type] - 100));
    placed = promoted;
    pawnInvolved = true;
  }

  p.side = W ? BLACK : WHITE;
  p.board[from] = 0;
  p.board[to] = static_cast<int8_t>(placed);
  p.whitelo = wlo;
  p.whitehi = whi;
  p.blacklo = blo;
  p.blackhi = bhi;
  p.occupiedlo = wlo | blo;
  p.occupiedhi = whi | bhi;

  if (!legalAndCheck<W>(placed, from, to)) return false;

  if (fullwidth == 1) {
    if (p.checker != NOSQ && iterationDepth > 3 && p.extension <= 247) p.extension += 8;
    if (ply > 2 && capture && (p.lastmove & MV_CAPTURE)) {
      const int diff = p.material - posizioni[ply - 2].material;
      if ((diff < 0 ? -diff : diff) < 10 && !pawnInvolved && iterationDepth > 3 && p.extension <= 247) p.extension += 8;
    }
  }
  p.lastmove = m;
  p.evalstatus = EVAL_ORDINARY;
  ++positionsMade;

  key.check ^= pieceKeysCheck[to][placed + 6] ^ sideKeyCheck;
  key.index ^= pieceKeysIndex[to][placed + 6] ^ sideKeyIndex;
  if (p.castling != oldCastling) {
    key.check ^= castleKeysCheck[p.castling] ^ castleKeysCheck[oldCastling];
    key.index ^= castleKeysIndex[p.castling] ^ castleKeysIndex[oldCastling];
  }
  p.hashcheck = key.check;
  p.hashindex = key.index;
  if (perftmode == 1) return true;

  // Fifty-move counter: 1 right after a pawn move, capture or promotion.
  if (pawnInvolved || (m & 0x1f000)) p.halfmoves = 0;
  if (p.halfmoves < 255) ++p.halfmoves;
  if (p.halfmoves == 101) {
    p.score = 0;
    p.evalstatus = EVAL_FINAL;
  }

  if (p.phase == 3) recogniseEnding();

  if (fullwidth == 1 && ply > 5) {
    // Repetitions within the line only, by the first key half.
    const uint32_t key = p.hashcheck;
    bool repeated = posizioni[ply - 4].hashcheck == key;
    if (p.halfmoves > 5 && ply > 7) {
      repeated |= posizioni[ply - 6].hashcheck == key;
      if (ply > 9) {
        repeated |= posizioni[ply - 8].hashcheck == key;
        if (p.halfmoves > 9 && p.phase == 3 && ply > 11) {
          repeated |= posizioni[ply - 10].hashcheck == key;
          if (ply > 13) repeated |= posizioni[ply - 12].hashcheck == key;
        }
      }
    }
    if (repeated) {
      p.score = 0;
      p.evalstatus = EVAL_FINAL;
    }
  }

  if (fullwidth == 1 && ply > 1 && p.evalstatus == EVAL_ORDINARY) {
    if (probeHashChild(iterationDepth - ply, ply) && hashScore != NOHASHSCORE) {
      const bool take = p.side == WHITE ? whiteBound[ply - 1] >= hashScore : blackBound[ply - 1] <= hashScore;
      if (take) {
        p.score = hashScore;
        p.evalstatus = EVAL_FINAL;
        ++hashHits;
      }
    }
  }

  if (p.piececount == 0 && p.evalstatus == EVAL_ORDINARY && bound != NOEVAL) {
    if (pawnInvolved) {
      ++p.pawnslot;
      evaluatePawns();
    }
    p.score = static_cast<int16_t>(evaluatePawnEnding(ply));
    p.evalstatus = EVAL_SPECIAL;
  } else if (p.evalstatus == EVAL_ORDINARY) {
    if (pawnInvolved) {
      ++p.pawnslot;
      evaluatePawns();
    }
    if (fullwidth == 1) {
      if (bound != NOEVAL && p.checker == NOSQ) p.score = static_cast<int16_t>(evaluateFull(bound));
    } else {
      p.score = static_cast<int16_t>(evaluateFull(bound));
    }
  }

  if (fullwidth == 1) staticThreatPruning();
  return true;
}

}  // namespace

bool eseguimossa(uint32_t move, int bound) {
  if (move == 0) return false;
  // The record array has no room beyond the last ply.
  if (ply < 1 || ply >= MAXPLY) return false;
  return posizioni[ply - 1].side == BLACK ? makeMove<false>(move, bound) : makeMove<true>(move, bound);
}

bool verificalegalebianco(int piece, int from, int to) { return legalAndCheck<true>(piece, from, to); }
bool verificalegalenero(int piece, int from, int to) { return legalAndCheck<false>(piece, from, to); }

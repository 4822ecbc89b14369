// The full evaluation. Every positional term is written once, from the
// point of view of the side it belongs to, in that side's own coordinates
// (its first rank is rank 1); Black's terms read the board through s ^ 56.
// Only the tables that differ between the colours are chosen per side.
#include "engine/search/evaluation.h"

#include "engine/position/geometry.h"
#include "engine/search/clock.h"
#include "engine/search/evaltables.h"
#include "engine/search/searchstate.h"

int32_t evalCalls = 0;

namespace {

// The score is a 16-bit quantity: sums wrap, comparisons and halvings see
// the wrapped value. Real positions stay far inside the range.
inline int wrap16(int v) { return static_cast<int16_t>(v); }

template <bool White>
struct Side {
  static constexpr int flip = White ? 0 : 56;
  static constexpr int8_t sign = White ? 1 : -1;

  const tposizione& p;
  const PawnEntry& e;

  // Squares in this side's coordinates.
  int8_t at(int rs) const { return p.board[rs ^ flip]; }
  bool own(int rs) const { return White ? at(rs) > 0 : at(rs) < 0; }
  bool ownPawn(int rs) const { return at(rs) == sign * PAWN; }
  bool occupied(int rs) const { return at(rs) != 0; }

  int ownKing() const { return White ? p.whiteking : p.blackking; }
  int enemyKing() const { return White ? p.blackking : p.whiteking; }
  const PieceList<CAP_PAWNS>& pawns() const { return White ? p.wpawns : p.bpawns; }
  const PieceList<CAP_PAWNS>& enemyPawns() const { return White ? p.bpawns : p.wpawns; }
  const PieceList<CAP_MINOR>& bishops() const { return White ? p.wbishops : p.bbishops; }
  const PieceList<CAP_MINOR>& knights() const { return White ? p.wknights : p.bknights; }
  const PieceList<CAP_MINOR>& rooks() const { return White ? p.wrooks : p.brooks; }
  const PieceList<CAP_QUEENS>& queens() const { return White ? p.wqueens : p.bqueens; }

  int ownFileCount(int f) const { return White ? e.whiteFileCount[f + 1] : e.blackFileCount[f + 1]; }
  int enemyFileCount(int f) const { return White ? e.blackFileCount[f + 1] : e.whiteFileCount[f + 1]; }
  bool passedOn(int f) const { return ((White ? e.whitePassedFiles : e.blackPassedFiles) >> (f + 1)) & 1; }
  // Rank of the rearmost own pawn of a file, in own coordinates.
  int rearPawnRank(int f) const { return White ? e.whiteRankMin[f + 1] : 7 - e.blackRankMax[f + 1]; }

  static int relRank(int s) { return rankOf(s ^ flip); }

  int enemyPawnsOnLastTwoRanks() const {
    int c = 0;
    const auto& l = enemyPawns();
    for (int i = 0; i < l.n; ++i)
      if (relRank(l.sq[i]) >= 6) ++c;
    return c;
  }

  int kingSafety(int n) const {
    const uint8_t castled = White ? CASTLED_W : CASTLED_B;
    const uint8_t kside = White ? CASTLE_WK : CASTLE_BK;
    const uint8_t qside = White ? CASTLE_WQ : CASTLE_BQ;
    const int rk = ownKing() ^ flip;
    int v;
    int bonus, noK, noQ;
    if (n >= 10) {
      v = kingopen[rk];
      bonus = 25, noK = 20, noQ = 10;
    } else {
      v = kingmid[rk];
      bonus = 12, noK = 10, noQ = 5;
    }
    if (p.castling & castled) {
      v += bonus;
    } else {
      if (!(p.castling & kside)) v -= noK;
      if (!(p.castling & qside)) v -= noQ;
    }
    return v;
  }

  // The rook on the seventh: shared by the ending and the middle game.
  int rookOnSeventh(int s) const {
    if (relRank(s) != 6) return 0;
    int v = 3;
    if (relRank(enemyKing()) >= 6) v += 8;
    return v + 6 * enemyPawnsOnLastTwoRanks();
  }

  int ending() const {
    int v = 0;
    const auto& r = rooks();
    for (int i = 0; i < r.n; ++i) {
      const int s = r.sq[i];
      v += rookOnSeventh(s);
      if (passedOn(fileOf(s)) && relRank(s) < rearPawnRank(fileOf(s))) v += 10;
    }
    const auto& b = bishops();
    if (b.n == 1) {
      const uint8_t colour = squarecolour[b.sq[0]];
      const auto& pw = pawns();
      for (int i = 0; i < pw.n; ++i)
        if (squarecolour[pw.sq[i]] == colour) v -= 5;
    }
    for (int i = 0; i < b.n && i < 2; ++i) v += bishopEnd[b.sq[i]];
    const auto& k = knights();
    for (int i = 0; i < k.n && i < 2; ++i) v += knightEnd[k.sq[i]];
    return v;
  }

  int rookHome(int rs, int n) const {
    if (rs >= 16 || n <= 5) return 0;
    int v = rookhome[rs];
    switch (rs) {
      case 3:
      case 4:
      case 11:
      case 12:  // d1 e1 d2 e2
        if (!own(rs + 8) && !own(rs + 16)) v += 4;
        break;
      case 0:  // a1
        if (!own(1) && !own(2)) v += 4;
        break;
      case 7:  // h1
        if (!own(5) && !own(6)) v += 4;
        break;
      case 1:  // b1
        if (!occupied(2)) v += 4;
        break;
      case 6:  // g1
        if (!occupied(5)) v += 4;
        break;
      case 8:  // a2
        if (own(9)) v -= 16;
        break;
      case 15:  // h2
        if (own(14)) v -= 16;
        break;
      default: break;
    }
    return v;
  }

  int middle(int n, int pawnsOnBoard, uint8_t& tally) const {
    int v = 0;
    const int ek = enemyKing();
    const auto& r = rooks();
    for (int i = 0; i < r.n; ++i) {
      const int s = r.sq[i], f = fileOf(s);
      if (distance[ek][s] < 4) {
        ++tally;
        if (distance[ek][s] < 2) ++tally;
      }
      v += rookHome(s ^ flip, n);
      if (pawnsOnBoard > 5 && ownFileCount(f) == 0) {
        if (enemyFileCount(f) > 0) {
          v += 2 * pawnsOnBoard - 4;
        } else {
          v += 4 * pawnsOnBoard - 16;
          const int df = fileOf(ek) - f;
          if (df == 1 || df == -1) v += 10;
        }
      }
      v += rookOnSeventh(s);
    }

    const int16_t* bishopTable = White ? bishopWhiteMiddle : bishopBlackMiddle;
    const auto& b = bishops();
    for (int i = 0; i < b.n; ++i) {
      const int s = b.sq[i], rs = s ^ flip, f = fileOf(s);
      v += bishopTable[s];
      if (rs < 16 && f >= 1 && f <= 6 && ownPawn(rs + 7) && ownPawn(rs + 9)) v -= 30;
    }

    const int16_t* knightTable = White ? knightWhiteMiddle : knightBlackMiddle;
    const auto& k = knights();
    for (int i = 0; i < k.n; ++i) {
      const int s = k.sq[i];
      v += knightTable[s];
      if (distance[ek][s] < 4) ++tally;
    }

    if (queens().n > 0) {
      const int q = queens().sq[0], rq = q ^ flip;
      const int d = distance[ek][q];
      if (d < 4) {
        tally += 2;
        if (n < 11) v += 7 * d;
      }
      if (relation[q][ek] == 1 || relation[q][ek] == 2) v += 6;
      // Ray lengths read in own coordinates are the rays of the mirrored
      // directions on the real board.
      if (rq < 16) {
        if (rayUpRight[rq] > 2) {
          if (occupied(rq + 9))
            v -= 18;
          else if (occupied(rq + 18))
            v -= 8;
        }
        if (rayUpLeft[rq] > 2) {
          if (occupied(rq + 7))
            v -= 18;
          else if (occupied(rq + 14))
            v -= 8;
        }
      } else {
        if (rayDownRight[rq] > 2) {
          if (occupied(rq - 7))
            v -= 18;
          else if (occupied(rq - 14))
            v -= 8;
        }
        if (rayDownLeft[rq] > 2) {
          if (occupied(rq - 9))
            v -= 12;
          else if (occupied(rq - 18))
            v -= 8;
        }
        if (occupied(rq - 8)) v -= 12;
      }
    }

    // Centre pawns walled in by their own pieces.
    if (ownPawn(11) && own(19)) v -= 12;  // d2, d3
    if (ownPawn(12) && own(20)) v -= 12;  // e2, e3
    return v;
  }
};

}  // namespace

int evaluateFull(int) {
  if ((++evalCalls & 2047) == 0) {
    sampleClock();
    if (deadlinePassed()) stopSearch = 1;
  }
  tposizione& p = posizioni[ply];
  const PawnEntry& e = pawnEntryOf(p);
  const Side<true> w{p, e};
  const Side<false> k{p, e};
  const int n = p.piececount;
  const int material = p.material;
  const int wk = p.whiteking, bk = p.blackking;

  int b = e.pawnScore + material;

  if (p.wbishops.n >= 2) b += 76 - 4 * n;
  if (p.bbishops.n >= 2) b -= 76 - 4 * n;

  if (n >= 7) {
    b += w.kingSafety(n) - k.kingSafety(n);
  } else {
    b += kingend[wk] - kingend[bk];
    if (material > 350) b += (material / 16) * (8 - distance[wk][bk]);
    if (material < -350) b -= (-material / 16) * (8 - distance[wk][bk]);
  }

  // The side ahead is encouraged to trade; the constant part favours White
  // whichever side is ahead.
  if (material > 150 || material < -150) b += material / (n + 3) + 56 - 4 * n;

  p.whitetally = 0;
  p.blacktally = 0;

  if (p.phase == 3) {
    b = wrap16(b);
    if (p.wpawns.n == 0 && b > 0 && b < 450) b /= 2;
    if (p.bpawns.n == 0 && b < 0 && b > -450) b /= 2;
    if (n == 2 && p.wbishops.n == 1 && p.bbishops.n == 1 &&
        squarecolour[p.wbishops.sq[0]] != squarecolour[p.bbishops.sq[0]])
      b -= b / 2;
    b += w.ending() - k.ending();
  } else {
    const int pawnsOnBoard = p.wpawns.n + p.bpawns.n;
    b += w.middle(n, pawnsOnBoard, p.whitetally);
    b -= k.middle(n, pawnsOnBoard, p.blacktally);
  }
  return wrap16(b);
}

// Exact rules for the endings the full evaluation misjudges: dead draws,
// the drawish minor-piece endings, king and pawn against king, bishop and
// pawn, the bishop pair, rook against knight and the queen's mate.
#include "engine/position/geometry.h"
#include "engine/search/evaltables.h"
#include "engine/search/evaluation.h"
#include "engine/search/searchstate.h"

namespace {

constexpr int A8 = 56, H8 = 63;

// King and pawn against king, the stronger side seen as White: squares in
// the stronger side's coordinates. The result is from the stronger side.
int kingPawn(int wk, int bk, int p, bool strongToMove) {
  const int r = rankOf(p), file = fileOf(p);
  const int queening = 56 + file;
  const int d = r == 1 ? 5 : 7 - r;
  if (strongToMove) {
    if (d < distance[queening][bk]) return 600 + 10 * r;
    if (distance[p][bk] + (relation[p][bk] == 2 ? 1 : 0) < distance[p][wk] - 1) return 0;
    if (distance[queening][wk] == 1) return 400 + 10 * r;
    if (bk == p + 8 && wk == p - 8) return (bk == A8 || bk == H8) ? 0 : 700;
    if (r == 5 && (bk - wk == 16 || bk - wk == 32) && distance[queening][bk] < 2) return 0;
  } else {
    if (d < distance[queening][bk] - 1) return 600 + 10 * r;
    if (distance[p][bk] < distance[p][wk] - 1) return 0;
    if (distance[queening][wk] == 1) {
      if (distance[p][wk] < 2) return 600 + 10 * r;
      if (distance[p][bk] > 3) return 400 + 10 * r;
    }
    if (r == 5 && distance[queening][bk] < 2) {
      if (bk - wk == 16) return 300;
      if (bk - wk == 32) return 200;
    }
  }
  if ((file == 0 || file == 7) && distance[queening][bk] < 2) return 0;
  return 100;
}

// Bishop and pawn against king, in the stronger side's coordinates; the
// bishop's colour is compared on the real board (mirroring flips colours).
int bishopPawn(int bk, int p, int bishopSq, int queeningReal, bool strongToMove) {
  const int r = rankOf(p), file = fileOf(p);
  if (file != 0 && file != 7) return 600 + 10 * r;
  if (squarecolour[bishopSq] == squarecolour[queeningReal]) return 500 + 10 * r;
  const int8_t* row = rookPawnRace[file == 0 ? 0 : 1];
  const int king = row[bk], pawn = row[p];
  if (king > 1 && (strongToMove ? king >= pawn : king > pawn)) return 450;
  return 0;
}

constexpr bool inside(int s) { return centreblock[s] != 0; }

}  // namespace

namespace {

// King distance to the corner; on the corner's own file from the third to
// the seventh rank, the pawn's moves to promote plus one (a king there
// stands in front of or behind the pawn, and the extra unit never changes
// its verdict). From the second rank the double step makes both equal.
struct RaceRows {
  int8_t row[2][64] = {};
  constexpr RaceRows() {
    const int corners[2] = {A8, H8};
    for (int c = 0; c < 2; ++c)
      for (int s = 0; s < 64; ++s) {
        const int df = fileOf(s) > fileOf(corners[c]) ? fileOf(s) - fileOf(corners[c]) : fileOf(corners[c]) - fileOf(s);
        const int dr = 7 - rankOf(s);
        const int onFile = fileOf(s) == fileOf(corners[c]) && rankOf(s) >= 2 && rankOf(s) <= 6 ? 1 : 0;
        row[c][s] = static_cast<int8_t>((df > dr ? df : dr) + onFile);
      }
  }
};
constexpr RaceRows raceRows{};

}  // namespace

const int8_t (&rookPawnRace)[2][64] = raceRows.row;

int recogniseKingPawnWhite() {
  const tposizione& p = posizioni[ply];
  return kingPawn(p.whiteking, p.blackking, p.wpawns.sq[0], p.side == WHITE);
}

int recogniseKingPawnBlack() {
  const tposizione& p = posizioni[ply];
  return -kingPawn(p.blackking ^ 56, p.whiteking ^ 56, p.bpawns.sq[0] ^ 56, p.side == BLACK);
}

int recogniseBishopPawnWhite() {
  const tposizione& p = posizioni[ply];
  const int pawn = p.wpawns.sq[0];
  return bishopPawn(p.blackking, pawn, p.wbishops.sq[0], 56 + fileOf(pawn), p.side == WHITE);
}

int recogniseBishopPawnBlack() {
  const tposizione& p = posizioni[ply];
  const int pawn = p.bpawns.sq[0];
  return -bishopPawn(p.whiteking ^ 56, pawn ^ 56, p.bbishops.sq[0], fileOf(pawn), p.side == BLACK);
}

int recogniseBishopPairWhite() {
  const tposizione& p = posizioni[ply];
  const int wk = p.whiteking, bk = p.blackking;
  if (p.side == BLACK)
    for (int i = 0; i < 2; ++i) {
      const int s = p.wbishops.sq[i];
      if (distance[s][bk] == 1 && distance[s][wk] > 1) return 0;
    }
  return 964 - 15 * mateCentre[bk] - 8 * distance[wk][bk] - (inside(wk) ? 0 : 50);
}

int recogniseBishopPairBlack() {
  const tposizione& p = posizioni[ply];
  const int wk = p.whiteking, bk = p.blackking;
  if (p.side == WHITE)
    for (int i = 0; i < 2; ++i) {
      const int s = p.bbishops.sq[i];
      if (distance[s][wk] == 1 && distance[s][bk] > 1) return 0;
    }
  return 15 * mateCentre[wk] + 8 * distance[wk][bk] + (inside(bk) ? 0 : 50) - 964;
}

namespace {

// Rook against knight from the rook's side: its king, the knight's king.
int rookVsKnight(int rook, int knight, int ownKing, int enemyKing, bool rookToMove) {
  if (!rookToMove) {
    if (distance[rook][enemyKing] == 1 && distance[rook][ownKing] > 1) return 0;
    if (relation[knight][rook] == 3) return 0;
  }
  int f = inside(enemyKing) ? 45 : 50;
  if (inside(knight)) f -= 10;
  const int g = distance[enemyKing][knight];
  if (g == 1) f -= 10;
  if (g < 3) return f;
  if (rookToMove && relation[enemyKing][knight] == 1) return f + 120;
  return f + 20;
}

}  // namespace

int recogniseRookVsKnightWhite() {
  const tposizione& p = posizioni[ply];
  return rookVsKnight(p.wrooks.sq[0], p.bknights.sq[0], p.whiteking, p.blackking, p.side == WHITE);
}

int recogniseRookVsKnightBlack() {
  const tposizione& p = posizioni[ply];
  return -rookVsKnight(p.brooks.sq[0], p.wknights.sq[0], p.blackking, p.whiteking, p.side == BLACK);
}

int recogniseQueenMateBlack() {
  const tposizione& p = posizioni[ply];
  const int wk = p.whiteking, bk = p.blackking, q = p.bqueens.sq[0];
  if (p.side == WHITE) {
    if (distance[q][wk] == 1 && distance[q][bk] > 1) return 0;
    if (kingclass[wk] != 0) {
      // A corner has three neighbours, an edge square five.
      const int neighbours = kingclass[wk] == 2 ? 3 : 5;
      bool allCovered = true;
      for (int i = 0; i < neighbours && allCovered; ++i) {
        const int s = kingedgelist[wk][i];
        const bool covered = distance[s][bk] == 1 || relation[s][q] == 1 || relation[s][q] == 2;
        allCovered = covered;
      }
      if (allCovered) return p.checker == NOSQ ? 0 : -32000;
    }
  }
  int m = 1500 - 20 * kingring[wk];
  if (kingring[q] < innerSquare[wk]) m -= 100;
  if (kingring[bk] - kingring[wk] == 2) m += 30;
  return -m - 15 * (8 - distance[wk][bk]) - 40 * (8 - distance[wk][q]);
}

void recogniseEnding() {
  tposizione& p = posizioni[ply];
  // A fifty-move draw already found for this position stands.
  if (p.phase != 3 || p.evalstatus == EVAL_FINAL) return;
  const uint32_t mk = p.materialkey;
  const int n = p.piececount, wp = p.wpawns.n, bp = p.bpawns.n;
  auto set = [&p](int score, uint8_t status) {
    p.score = static_cast<int16_t>(score);
    p.evalstatus = status;
  };

  if (wp + bp == 0) {
    if (n == 0) return set(0, EVAL_FINAL);
    if (n == 1) {
      if (mk == MK_WBISHOP || mk == MK_BBISHOP || mk == MK_WKNIGHT || mk == MK_BKNIGHT) return set(0, EVAL_FINAL);
      if (mk == MK_BQUEEN) return set(recogniseQueenMateBlack(), EVAL_SPECIAL);
      return;
    }
    if (n == 2) {
      switch (mk) {
        case MK_BKNIGHT + MK_WBISHOP:
        case MK_BBISHOP + MK_WKNIGHT:
        case MK_BKNIGHT + MK_WKNIGHT:
        case MK_BBISHOP + MK_WBISHOP: return set(0, EVAL_DRAWISH);
        case 2 * MK_BBISHOP:
          return set(recogniseBishopPairBlack(), posizioni[0].materialkey == mk ? EVAL_DRAWISH : EVAL_FINAL);
        case 2 * MK_WBISHOP:
          return set(recogniseBishopPairWhite(), posizioni[0].materialkey == mk ? EVAL_DRAWISH : EVAL_FINAL);
        case MK_BKNIGHT + MK_WROOK: return set(recogniseRookVsKnightWhite(), EVAL_DRAWISH);
        case MK_BROOK + MK_WKNIGHT: return set(recogniseRookVsKnightBlack(), EVAL_DRAWISH);
        default: return;
      }
    }
    return;
  }

  if (wp == 0 && bp == 1) {
    if (n == 0) {
      // Kept as a special-ending score even when it does not end the line,
      // so that the pawn-ending evaluation does not replace it.
      const int s = recogniseKingPawnBlack();
      const bool won = p.side == BLACK && s < -550 && whiteBound[ply] > s;
      return set(s, won ? EVAL_FINAL : EVAL_SPECIAL);
    }
    if (mk == MK_BBISHOP + MK_BPAWN) return set(recogniseBishopPawnBlack(), EVAL_SPECIAL);
    if (mk == MK_WKNIGHT + MK_BPAWN || mk == MK_WBISHOP + MK_BPAWN) return set(-10, EVAL_SPECIAL);
    return;
  }

  if (wp == 1 && bp == 0) {
    if (n == 0) {
      const int s = recogniseKingPawnWhite();
      const bool won = p.side == WHITE && s > 550 && blackBound[ply] < s;
      return set(s, won ? EVAL_FINAL : EVAL_SPECIAL);
    }
    if (mk == MK_WBISHOP + MK_WPAWN) return set(recogniseBishopPawnWhite(), EVAL_SPECIAL);
    if (mk == MK_BKNIGHT + MK_WPAWN || mk == MK_BBISHOP + MK_WPAWN) return set(10, EVAL_SPECIAL);
  }
}

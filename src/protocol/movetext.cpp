#include "protocol/movetext.h"

#include "engine/position/makemove.h"
#include "engine/position/movegen.h"
#include "engine/position/position.h"

namespace {

int fileFrom(char c) {
  if (c >= 'a' && c <= 'h') return c - 'a';
  if (c >= 'A' && c <= 'H') return c - 'A';
  return -1;
}

int rankFrom(char c) { return c >= '1' && c <= '8' ? c - '1' : -1; }

// The promotion bits of a piece letter, 0 for a letter that names none.
uint32_t promotionOf(char c) {
  switch (c) {
    case 'q':
    case 'Q': return MV_PROMO_Q;
    case 'r':
    case 'R': return MV_PROMO_R;
    case 'b':
    case 'B': return MV_PROMO_B;
    case 'n':
    case 'N': return MV_PROMO_N;
    default: return 0;
  }
}

}  // namespace

MoveReading readMoveText(std::string_view text) {
  MoveReading r;
  if (text.size() != 4 && text.size() != 5) {
    r.reason = "not a coordinate move";
    return r;
  }
  const int f1 = fileFrom(text[0]), r1 = rankFrom(text[1]), f2 = fileFrom(text[2]), r2 = rankFrom(text[3]);
  if (f1 < 0 || r1 < 0 || f2 < 0 || r2 < 0) {
    r.reason = "not a coordinate move";
    return r;
  }
  uint32_t promo = 0;
  if (text.size() == 5) {
    promo = promotionOf(text[4]);
    if (!promo) {
      r.reason = "bad promotion piece";
      return r;
    }
  }
  const int from = r1 * 8 + f1, to = r2 * 8 + f2;
  const int8_t piece = posizioni[0].board[from];
  const bool promoting = (piece == PAWN && r2 == 7) || (piece == -PAWN && r2 == 0);
  if (promoting && !promo) promo = MV_PROMO_Q;
  if (!promoting && promo) {
    r.reason = "not a promotion";
    return r;
  }
  const uint32_t wanted = mvMake(from, to) | promo;
  ply = 1;
  const int n = generamosse(false);
  uint32_t found = 0;
  for (int i = 1; i <= n; ++i) {
    const uint32_t m = listamosse[1][i] & MV_MOVE;
    if (m && (m & (MV_SQUARES | MV_PROMOS)) == wanted) found = m;
  }
  if (!found) {
    r.reason = "no such move";
    return r;
  }
  ply = 1;
  if (!eseguimossa(found, 32100)) {
    r.reason = "king left in check";
    return r;
  }
  r.move = found;
  return r;
}

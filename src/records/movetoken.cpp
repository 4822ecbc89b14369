#include "records/movetoken.h"

#include <cstdlib>

#include "engine/position/makemove.h"
#include "engine/position/movegen.h"
#include "engine/position/position.h"
#include "records/notation.h"

namespace {

bool isFile(char c) { return c >= 'a' && c <= 'h'; }
bool isRank(char c) { return c >= '1' && c <= '8'; }

uint32_t promotionOf(char c) {
  switch (c) {
    case 'Q':
    case 'q': return MV_PROMO_Q;
    case 'N':
    case 'n': return MV_PROMO_N;
    case 'R':
    case 'r': return MV_PROMO_R;
    case 'B':
    case 'b': return MV_PROMO_B;
    default: return 0;
  }
}

// The moves of record 0 that make-move accepts.
int legalRootMoves(uint32_t (&out)[MAXMOVES]) {
  ply = 1;
  const int n = generamosse(false);
  uint32_t generated[MAXMOVES];
  for (int i = 1; i <= n && i < MAXMOVES; ++i) generated[i] = listamosse[1][i];
  int legal = 0;
  for (int i = 1; i <= n && i < MAXMOVES; ++i) {
    const uint32_t m = generated[i] & MV_MOVE;
    if (m == 0 || m == MV_MARKER) continue;
    ply = 1;
    if (eseguimossa(m, NOEVAL)) out[legal++] = m;
  }
  ply = 1;
  return legal;
}

// A SAN (or long algebraic) text matched against the legal moves by piece,
// destination, promotion and the from-file and from-rank it gives; the
// capture mark is not required. 0 unless exactly one legal move fits.
uint32_t resolveAgainstLegal(std::string_view t) {
  if (t.empty()) return 0;
  int piece = PAWN;
  size_t start = 1;
  switch (t[0]) {
    case 'N': piece = KNIGHT; break;
    case 'B': piece = BISHOP; break;
    case 'R': piece = ROOK; break;
    case 'Q': piece = QUEEN; break;
    case 'K': piece = KING; break;
    case 'P': break;
    default: start = 0; break;
  }
  size_t destAt = std::string_view::npos;
  for (size_t k = t.size(); k-- > start + 1;)
    if (isRank(t[k]) && isFile(t[k - 1])) {
      destAt = k;
      break;
    }
  if (destAt == std::string_view::npos) return 0;
  const int dest = (t[destAt - 1] - 'a') + 8 * (t[destAt] - '1');
  uint32_t promo = 0;
  for (size_t k = destAt + 1; k < t.size(); ++k) {
    if (t[k] == '=') continue;
    const uint32_t p = promotionOf(t[k]);
    if (p == 0 || promo != 0 || piece != PAWN) return 0;
    promo = p;
  }
  int fromfile = -1, fromrank = -1;
  for (size_t k = start; k + 1 < destAt; ++k) {
    const char c = t[k];
    if (isFile(c) && fromfile < 0)
      fromfile = c - 'a';
    else if (isRank(c) && fromrank < 0)
      fromrank = c - '1';
    else if (c != 'x' && c != '-' && c != ':')
      return 0;
  }
  uint32_t legal[MAXMOVES];
  const int n = legalRootMoves(legal);
  const tposizione& p = posizioni[0];
  uint32_t found = 0;
  int matches = 0;
  for (int i = 0; i < n; ++i) {
    const uint32_t m = legal[i];
    const int from = mvFrom(m);
    if (mvTo(m) != dest || std::abs(p.board[from]) != piece || (m & MV_PROMOS) != promo) continue;
    if ((fromfile >= 0 && fileOf(from) != fromfile) || (fromrank >= 0 && rankOf(from) != fromrank)) continue;
    found = m;
    ++matches;
  }
  return matches == 1 ? found : 0;
}

// A move of a knight, bishop, rook or queen, or a king's step, that the
// generator would give as it stands: the SAN reader's finders only take a
// piece that reaches the square over empty ones, so what is left to see is
// the mover, the target and the capture mark. Pawn moves and castling, with
// their special cases, are looked up in the generated list instead.
bool plainPieceMove(uint32_t code) {
  if (code == SAN_INVALID || (code & MV_PROMOS)) return false;
  const tposizione& p = posizioni[0];
  const int from = mvFrom(code), to = mvTo(code);
  const int type = std::abs(p.board[from]);
  const bool white = p.side == WHITE;
  if (type < KNIGHT || (p.board[from] > 0) != white) return false;
  if (type == KING && (std::abs(fileOf(from) - fileOf(to)) > 1 || std::abs(rankOf(from) - rankOf(to)) > 1))
    return false;
  const int8_t target = p.board[to];
  if (target == EMPTY) return (code & MV_CAPTURE) == 0;
  return (target < 0) == white && std::abs(target) != KING && (code & MV_CAPTURE) != 0;
}

// The SAN reader's code for a normalised token, when it is a legal move of
// record 0; otherwise the legal move the token names unambiguously, or 0.
uint32_t legalMoveFor(uint32_t code, std::string_view t) {
  if (plainPieceMove(code)) {
    // Most moves of a game: the legality test alone, no move list.
    ply = 1;
    if (eseguimossa(code, NOEVAL)) return code;
    return resolveAgainstLegal(t);
  }
  ply = 1;
  const int n = generamosse(false);
  bool generated = false;
  for (int i = 1; i <= n && i < MAXMOVES && !generated; ++i) generated = (listamosse[1][i] & MV_MOVE) == code;
  if (generated) {
    ply = 1;
    if (eseguimossa(code, NOEVAL)) return code;
  }
  return resolveAgainstLegal(t);
}

// The legal move between two squares with that promotion, or 0.
uint32_t legalBetween(int from, int to, uint32_t promo) {
  uint32_t legal[MAXMOVES];
  const int n = legalRootMoves(legal);
  for (int i = 0; i < n; ++i)
    if (mvFrom(legal[i]) == from && mvTo(legal[i]) == to && (legal[i] & MV_PROMOS) == promo) return legal[i];
  return 0;
}

}  // namespace

bool isCoordinateMove(std::string_view t) {
  if (t.size() != 4 && t.size() != 5) return false;
  if (!isFile(t[0]) || !isRank(t[1]) || !isFile(t[2]) || !isRank(t[3])) return false;
  return t.size() == 4 || promotionOf(t[4]) != 0;
}

uint32_t readMoveToken(std::string_view token, SanShape& shape) {
  if (isCoordinateMove(token)) {
    shape = SanShape::wellFormed;
    const int from = (token[0] - 'a') + 8 * (token[1] - '1');
    const int to = (token[2] - 'a') + 8 * (token[3] - '1');
    return legalBetween(from, to, token.size() == 5 ? promotionOf(token[4]) : 0);
  }
  const std::string t = normalisedSan(token);
  shape = shapeOfNormalised(t);
  if (shape != SanShape::wellFormed) return 0;
  return legalMoveFor(readNormalisedSan(t), t);
}

uint32_t mossadatoken(std::string_view token) {
  SanShape shape;
  return readMoveToken(token, shape);
}

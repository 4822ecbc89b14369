#include "game/boardeditor.h"

#include <cstring>

#include "engine/position/fen.h"
#include "engine/position/position.h"

namespace {

struct CastlingHome {
  uint8_t right;
  int king, rook;
  int8_t kingPiece, rookPiece;
  char letter;
};
// White's pieces stand on rank 1, Black's on rank 8.
constexpr CastlingHome HOMES[] = {
    {CASTLE_WK, 4, 7, KING, ROOK, 'K'},
    {CASTLE_WQ, 4, 0, KING, ROOK, 'Q'},
    {CASTLE_BK, 60, 63, -KING, -ROOK, 'k'},
    {CASTLE_BQ, 60, 56, -KING, -ROOK, 'q'},
};

const CastlingHome* homeOf(uint8_t right) {
  for (const CastlingHome& h : HOMES)
    if (h.right == right) return &h;
  return nullptr;
}

// Whether a piece of the colour sign `by` (1 White, -1 Black) attacks the square.
bool attacked(const int8_t* board, int square, int by) {
  const int f = square & 7, r = square >> 3;
  auto at = [&](int df, int dr) -> int8_t {
    const int nf = f + df, nr = r + dr;
    if (nf < 0 || nf > 7 || nr < 0 || nr > 7) return EMPTY;
    return board[nr * 8 + nf];
  };
  // A White pawn attacks from the rank below, a Black one from the rank above.
  const int pawnRank = by > 0 ? -1 : 1;
  if (at(-1, pawnRank) == by * PAWN || at(1, pawnRank) == by * PAWN) return true;
  static const int KNIGHTSTEPS[8][2] = {{1, 2}, {2, 1}, {2, -1}, {1, -2}, {-1, -2}, {-2, -1}, {-2, 1}, {-1, 2}};
  for (const auto& d : KNIGHTSTEPS)
    if (at(d[0], d[1]) == by * KNIGHT) return true;
  static const int LINES[8][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
  for (int i = 0; i < 8; ++i) {
    const int df = LINES[i][0], dr = LINES[i][1];
    const int8_t slider = i < 4 ? ROOK : BISHOP;
    if (at(df, dr) == by * KING) return true;
    for (int k = 1; k < 8; ++k) {
      const int nf = f + k * df, nr = r + k * dr;
      if (nf < 0 || nf > 7 || nr < 0 || nr > 7) break;
      const int8_t v = board[nr * 8 + nf];
      if (!v) continue;
      if (v == by * slider || v == by * QUEEN) return true;
      break;
    }
  }
  return false;
}

}  // namespace

void BoardEditor::begin() {
  std::memcpy(board_, posizioni[0].board, sizeof board_);
  whiteToMove_ = posizioni[0].side == WHITE;
  castling_ = posizioni[0].castling & (CASTLE_WK | CASTLE_WQ | CASTLE_BK | CASTLE_BQ);
}

void BoardEditor::put(int square, int8_t piece) {
  if (square < 0 || square > 63 || piece < -KING || piece > KING) return;
  board_[square] = piece;
  // A right whose king or rook has left its square is gone for good.
  for (const CastlingHome& h : HOMES)
    if (!castlingPossible(h.right)) castling_ &= static_cast<uint8_t>(~h.right);
}

void BoardEditor::clearBoard() {
  std::memset(board_, 0, sizeof board_);
  castling_ = 0;
}

bool BoardEditor::castlingPossible(uint8_t right) const {
  const CastlingHome* h = homeOf(right);
  return h && board_[h->king] == h->kingPiece && board_[h->rook] == h->rookPiece;
}

void BoardEditor::setCastling(uint8_t right, bool on) {
  if (on && castlingPossible(right))
    castling_ |= right;
  else
    castling_ &= static_cast<uint8_t>(~right);
}

std::string BoardEditor::fen() const {
  std::string out = fenPlacement(board_);
  out += whiteToMove_ ? " w " : " b ";
  std::string rights;
  for (const CastlingHome& h : HOMES)
    if (castling(h.right)) rights += h.letter;
  out += rights.empty() ? "-" : rights;
  out += " - 0 1";
  return out;
}

const char* BoardEditor::problemKey() const {
  int kings[2] = {}, counts[2][KING + 1] = {}, kingSquare[2] = {};
  for (int s = 0; s < 64; ++s) {
    const int8_t v = board_[s];
    if (!v) continue;
    const int side = v > 0 ? 0 : 1;
    const int kind = v > 0 ? v : -v;
    ++counts[side][kind];
    if (kind == KING) {
      ++kings[side];
      kingSquare[side] = s;
    }
    if (kind == PAWN && (s < 8 || s >= 56)) return "E_PAWNRANK";
  }
  if (kings[0] != 1 || kings[1] != 1) return "E_KINGS";
  for (const auto& c : counts)
    if (c[PAWN] > CAP_PAWNS || c[KNIGHT] > CAP_MINOR || c[BISHOP] > CAP_MINOR || c[ROOK] > CAP_MINOR ||
        c[QUEEN] > CAP_QUEENS)
      return "E_TOOMANY";
  // The side not to move in check: its king could be taken (adjacent kings
  // are this case too).
  const int waiting = whiteToMove_ ? 1 : 0;
  if (attacked(board_, kingSquare[waiting], whiteToMove_ ? 1 : -1)) return "E_CHECK";
  return nullptr;
}

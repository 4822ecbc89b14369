#include "records/notation.h"

#include <cstdlib>
#include <cstring>

#include "engine/position/geometry.h"
#include "engine/position/makemove.h"
#include "engine/position/movegen.h"
#include "engine/position/position.h"

namespace {

bool onBoard(int sq) { return sq >= 0 && sq < 64; }

// A from-file or from-rank of 0 matches every square.
bool passesFilters(int sq, int fromfile, int fromrank) {
  if (fromfile != 0 && fileOf(sq) != fromfile - 1) return false;
  if (fromrank != 0 && rankOf(sq) != fromrank - 1) return false;
  return true;
}

// The first piece met from `from` stepping by `step`, at most `steps` squares;
// `lifted` counts as empty. 0 when the ray runs off the board.
int firstPiece(const tposizione& p, int from, int step, int steps, int lifted) {
  int sq = from;
  for (int i = 0; i < steps; ++i) {
    sq += step;
    if (sq == lifted) continue;
    if (p.board[sq] != 0) return p.board[sq];
  }
  return 0;
}

// Whether the king of `colour` stands on an open line to an enemy slider of
// that line's kind, with the piece on `lifted` taken off the board.
bool kingOnOpenLine(const tposizione& p, int colour, int lifted) {
  const int k = colour == BLACK ? p.blackking : p.whiteking;
  if (!onBoard(k)) return false;
  const int sign = colour == BLACK ? 1 : -1;  // sign of the enemy's pieces
  const int file = fileOf(k), rank = rankOf(k);
  const int diagonals[4][2] = {{9, rayUpRight[k]}, {7, rayUpLeft[k]}, {-7, rayDownRight[k]}, {-9, rayDownLeft[k]}};
  for (const auto& d : diagonals) {
    int piece = firstPiece(p, k, d[0], d[1], lifted) * sign;
    if (piece == QUEEN || piece == BISHOP) return true;
  }
  const int lines[4][2] = {{8, 7 - rank}, {-8, rank}, {1, 7 - file}, {-1, file}};
  for (const auto& d : lines) {
    int piece = firstPiece(p, k, d[0], d[1], lifted) * sign;
    if (piece == QUEEN || piece == ROOK) return true;
  }
  return false;
}

// A slider on `from` reaches `dest` along a line of the kinds in relMask
// (bit 1: rank or file, bit 2: diagonal) with nothing in between.
bool sliderReaches(const tposizione& p, int from, int dest, int relMask) {
  const int rel = relation[from][dest];
  if (rel != 1 && rel != 2) return false;
  if ((relMask & rel) == 0) return false;
  return lineClear(from, dest, p.occupiedlo, p.occupiedhi);
}

template <int N>
int findSlider(const PieceList<N>& list, int dest, int fromfile, int fromrank, int relMask) {
  if (!onBoard(dest)) return -1;
  const tposizione& p = posizioni[0];
  int found = -1;
  const int n = list.n < N ? list.n : N;
  for (int i = 0; i < n; ++i) {
    const int sq = list.sq[i];
    if (!onBoard(sq)) continue;
    if (sliderReaches(p, sq, dest, relMask) && passesFilters(sq, fromfile, fromrank)) found = sq;
  }
  return found;
}

int findKnight(int colour, int dest, int fromfile, int fromrank) {
  if (!onBoard(dest)) return -1;
  const tposizione& p = posizioni[0];
  const PieceList<CAP_MINOR>& list = colour == BLACK ? p.bknights : p.wknights;
  const int n = list.n < CAP_MINOR ? list.n : CAP_MINOR;
  int first = -1, qualifying = 0;
  for (int i = 0; i < n; ++i) {
    const int sq = list.sq[i];
    if (onBoard(sq) && relation[sq][dest] == 3 && passesFilters(sq, fromfile, fromrank)) {
      first = sq;
      ++qualifying;
    }
  }
  if (qualifying == 1) return first;
  // Several (or none): prefer a knight that is not pinned against its king.
  int unpinned = -1;
  for (int i = 0; i < n; ++i) {
    const int sq = list.sq[i];
    if (!onBoard(sq) || relation[sq][dest] != 3) continue;
    if (passesFilters(sq, fromfile, fromrank) && !kingOnOpenLine(p, colour, sq)) unpinned = sq;
  }
  return unpinned != -1 ? unpinned : first;
}

// A pawn capture comes from the file next to the destination on the side of
// the from-file; a from-file that is not adjacent names no pawn.
int pawnCaptureFrom(int dest, int fromfile, int lower, int higher) {
  const int from = (fromfile - 1 < fileOf(dest)) ? dest + lower : dest + higher;
  if (!onBoard(from) || fileOf(from) != fromfile - 1) return -1;
  return from;
}

int pawnPushFrom(int dest, int step, int8_t pawn) {
  const int one = dest - step;
  if (!onBoard(one)) return -1;
  if (posizioni[0].board[one] == pawn) return one;
  const int two = dest - 2 * step;
  return onBoard(two) ? two : -1;
}

char fileLetter(int sq) { return static_cast<char>('a' + fileOf(sq)); }
char rankDigit(int sq) { return static_cast<char>('1' + rankOf(sq)); }

uint32_t promotionBits(char c) {
  switch (c) {
    case 'Q': return MV_PROMO_Q;
    case 'N': return MV_PROMO_N;
    case 'R': return MV_PROMO_R;
    case 'B': return MV_PROMO_B;
    default: return 0;  // K promotes to nothing
  }
}

bool isPieceLetter(char c) { return c == 'Q' || c == 'R' || c == 'B' || c == 'N' || c == 'K'; }

// The figurine symbols U+2654 (white king) to U+265F (black pawn) in UTF-8:
// two fixed bytes, then one of twelve.
constexpr unsigned char FIGURINE_LEAD0 = 0xE2, FIGURINE_LEAD1 = 0x99, FIGURINE_FIRST = 0x94;

bool isFileLetter(char c) { return c >= 'a' && c <= 'h'; }
bool isRankDigit(char c) { return c >= '1' && c <= '8'; }

}  // namespace

// A normalised move text: an optional piece letter, then files, ranks and
// the capture and long-notation marks, ending on a destination square and,
// for a pawn, an optional promotion letter.
SanShape shapeOfNormalised(std::string_view t) {
  if (t.empty()) return SanShape::unreadable;
  if (t == "O-O" || t == "O-O-O") return SanShape::wellFormed;
  const unsigned char first = static_cast<unsigned char>(t[0]);
  char piece = 0;
  if (first >= 'A' && first <= 'Z') {
    if (!isPieceLetter(t[0]) && t[0] != 'P') return t[0] == 'O' ? SanShape::unreadable : SanShape::unknownPiece;
    piece = t[0];
    t.remove_prefix(1);
  } else if (first >= 0x80) {
    return SanShape::unknownPiece;  // a symbol that is no figurine
  }
  if (t.size() >= 2 && (piece == 0 || piece == 'P')) {
    const char last = t.back();
    if (last == 'Q' || last == 'R' || last == 'B' || last == 'N') {
      t.remove_suffix(1);
      if (!t.empty() && t.back() == '=') t.remove_suffix(1);
    }
  }
  if (t.size() < 2 || !isFileLetter(t[t.size() - 2]) || !isRankDigit(t.back())) return SanShape::unreadable;
  for (char c : t)
    if (!isFileLetter(c) && !isRankDigit(c) && c != 'x' && c != '-' && c != ':') return SanShape::unreadable;
  return SanShape::wellFormed;
}

namespace {

struct SquareList {
  const uint8_t* sq;
  int n;
};
template <int N>
SquareList squares(const PieceList<N>& l) {
  return SquareList{l.sq, l.n < N ? l.n : N};
}
SquareList squaresOf(const tposizione& p, int piece) {
  switch (piece) {
    case KNIGHT: return squares(p.wknights);
    case -KNIGHT: return squares(p.bknights);
    case BISHOP: return squares(p.wbishops);
    case -BISHOP: return squares(p.bbishops);
    case ROOK: return squares(p.wrooks);
    case -ROOK: return squares(p.brooks);
    case QUEEN: return squares(p.wqueens);
    case -QUEEN: return squares(p.bqueens);
    default: return SquareList{nullptr, 0};
  }
}

// Whether another piece of the mover's list also reaches dest, for each kind.
bool otherReaches(const tposizione& p, int type, int sq, int dest) {
  switch (type) {
    case KNIGHT: return relation[sq][dest] == 3;
    case BISHOP: return sliderReaches(p, sq, dest, 2);
    case ROOK: return sliderReaches(p, sq, dest, 1);
    case QUEEN: return sliderReaches(p, sq, dest, 3);
    default: return false;
  }
}

}  // namespace

int trovapedonebianco(int dest, int fromfile) {
  if (!onBoard(dest)) return -1;
  if (fromfile != 0) return pawnCaptureFrom(dest, fromfile, -9, -7);
  return pawnPushFrom(dest, 8, PAWN);
}

int trovapedonenero(int dest, int fromfile) {
  if (!onBoard(dest)) return -1;
  if (fromfile != 0) return pawnCaptureFrom(dest, fromfile, 7, 9);
  return pawnPushFrom(dest, -8, -PAWN);
}

int trovacavallobianco(int dest, int fromfile, int fromrank) { return findKnight(WHITE, dest, fromfile, fromrank); }
int trovacavallonero(int dest, int fromfile, int fromrank) { return findKnight(BLACK, dest, fromfile, fromrank); }

int trovaalfierebianco(int dest, int fromfile, int fromrank) {
  return findSlider(posizioni[0].wbishops, dest, fromfile, fromrank, 2);
}
int trovaalfierenero(int dest, int fromfile, int fromrank) {
  return findSlider(posizioni[0].bbishops, dest, fromfile, fromrank, 2);
}
int trovatorrebianca(int dest, int fromfile, int fromrank) {
  return findSlider(posizioni[0].wrooks, dest, fromfile, fromrank, 1);
}
int trovatorrenera(int dest, int fromfile, int fromrank) {
  return findSlider(posizioni[0].brooks, dest, fromfile, fromrank, 1);
}
int trovadonnabianca(int dest, int fromfile, int fromrank) {
  return findSlider(posizioni[0].wqueens, dest, fromfile, fromrank, 3);
}
int trovadonnanera(int dest, int fromfile, int fromrank) {
  return findSlider(posizioni[0].bqueens, dest, fromfile, fromrank, 3);
}

int trovapedone(int side, int dest, int fromfile) {
  return side == BLACK ? trovapedonenero(dest, fromfile) : trovapedonebianco(dest, fromfile);
}
int trovacavallo(int side, int dest, int fromfile, int fromrank) {
  return side == BLACK ? trovacavallonero(dest, fromfile, fromrank) : trovacavallobianco(dest, fromfile, fromrank);
}
int trovaalfiere(int side, int dest, int fromfile, int fromrank) {
  return side == BLACK ? trovaalfierenero(dest, fromfile, fromrank) : trovaalfierebianco(dest, fromfile, fromrank);
}
int trovatorre(int side, int dest, int fromfile, int fromrank) {
  return side == BLACK ? trovatorrenera(dest, fromfile, fromrank) : trovatorrebianca(dest, fromfile, fromrank);
}
int trovadonna(int side, int dest, int fromfile, int fromrank) {
  return side == BLACK ? trovadonnanera(dest, fromfile, fromrank) : trovadonnabianca(dest, fromfile, fromrank);
}

bool scaccodilinea(int colour) { return kingOnOpenLine(posizioni[0], colour, -1); }

std::string normalisedSan(std::string_view text) {
  std::string t;
  t.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == FIGURINE_LEAD0 && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == FIGURINE_LEAD1) {
      const unsigned char last = static_cast<unsigned char>(text[i + 2]);
      if (last >= FIGURINE_FIRST && last < FIGURINE_FIRST + 12) {
        // White's six symbols, then Black's: the letter does not carry the colour.
        t += "KQRBNP"[(last - FIGURINE_FIRST) % 6];
        i += 2;
        continue;
      }
    }
    t += static_cast<char>(c);
  }
  while (!t.empty() && (t.back() == '+' || t.back() == '#' || t.back() == '!' || t.back() == '?')) t.pop_back();
  if (t == "0-0" || t == "o-o")
    t = "O-O";
  else if (t == "0-0-0" || t == "o-o-o")
    t = "O-O-O";
  return t;
}

SanShape sanShape(std::string_view text) { return shapeOfNormalised(normalisedSan(text)); }

uint32_t leggisan(std::string_view text) {
  const std::string normal = normalisedSan(text);
  if (shapeOfNormalised(normal) != SanShape::wellFormed) return SAN_INVALID;
  return readNormalisedSan(normal);
}

uint32_t readNormalisedSan(std::string_view t) {
  // A pawn move may name its piece; the walk below knows pawns by the absence of a letter.
  if (t[0] == 'P') t.remove_prefix(1);

  const tposizione& p = posizioni[0];
  const int side = p.side == BLACK ? BLACK : WHITE;
  if (t == "O-O") return side == BLACK ? mvMake(60, 62) : mvMake(4, 6);
  if (t == "O-O-O") return side == BLACK ? mvMake(60, 58) : mvMake(4, 2);

  uint32_t promotion = 0, capture = 0;
  char piece = 0;
  int destfile = 0, destrank = 0, fromfile = 0, fromrank = 0;
  const size_t last = t.size() - 1;
  for (size_t i = t.size(); i-- > 0;) {
    const char c = t[i];
    if (isPieceLetter(c)) {
      if (i == last) promotion = promotionBits(c);
      if (i == 0) piece = c;
    } else if (c >= '1' && c <= '8') {
      (destrank == 0 ? destrank : fromrank) = c - '0';
    } else if (c >= 'a' && c <= 'h') {
      (destfile == 0 ? destfile : fromfile) = c - 'a' + 1;
    } else if (c == 'x') {
      capture = MV_CAPTURE;
    }
  }
  if (destfile == 0 || destrank == 0) return SAN_INVALID;
  const int dest = (destfile - 1) + (destrank - 1) * 8;

  int from = -1;
  switch (piece) {
    case 'N': from = trovacavallo(side, dest, fromfile, fromrank); break;
    case 'B': from = trovaalfiere(side, dest, fromfile, fromrank); break;
    case 'R': from = trovatorre(side, dest, fromfile, fromrank); break;
    case 'Q': from = trovadonna(side, dest, fromfile, fromrank); break;
    case 'K': from = side == BLACK ? p.blackking : p.whiteking; break;
    default: from = trovapedone(side, dest, fromfile); break;
  }
  if (!onBoard(from)) return SAN_INVALID;
  return promotion + static_cast<uint32_t>(from) + static_cast<uint32_t>(dest) * 64 + capture;
}

std::string scrivisan(uint32_t move, int p) {
  if (p < 0 || p >= MAXPLY) return {};
  const tposizione& pos = posizioni[p];
  const int from = mvFrom(move), to = mvTo(move);
  const int piece = pos.board[from];
  const int type = std::abs(piece);
  const bool capture = (move & MV_CAPTURE) != 0;
  const std::string dest{fileLetter(to), rankDigit(to)};

  std::string s;
  switch (type) {
    case PAWN: s = capture ? std::string{fileLetter(from), 'x'} + dest : dest; break;
    case KING: {
      // Castling is the king's two-file move; ordering score bits do not count.
      const uint32_t code = move & MV_MOVE;
      if (code == 388 || code == 4028) return "O-O";
      if (code == 132 || code == 3772) return "O-O-O";
      s = std::string("K") + (capture ? "x" : "") + dest;
      break;
    }
    case KNIGHT:
    case BISHOP:
    case ROOK:
    case QUEEN: {
      static const char letters[] = "??NBRQ";
      std::string fileMark, rankMark;
      const SquareList list = squaresOf(pos, piece);
      for (int i = 0; i < list.n; ++i) {
        const int sq = list.sq[i];
        if (sq == from || !onBoard(sq) || !otherReaches(pos, type, sq, to)) continue;
        if (fileOf(sq) == fileOf(from))
          rankMark = std::string(1, rankDigit(from));
        else
          fileMark = std::string(1, fileLetter(from));
      }
      s = std::string(1, letters[type]) + fileMark + rankMark + (capture ? "x" : "") + dest;
      break;
    }
    default: return {};
  }
  if (move & MV_PROMO_Q)
    s += 'Q';
  else if (move & MV_PROMO_N)
    s += 'N';
  else if (move & MV_PROMO_R)
    s += 'R';
  else if (move & MV_PROMO_B)
    s += 'B';
  return s;
}

namespace {

// What trying moves on records p+1 and p+2 changes, put back when it goes
// out of scope.
class ScratchPlies {
 public:
  explicit ScratchPlies(int p) : p_(p), ply_(ply), perftmode_(perftmode), made_(positionsMade), epvictim_(epvictim) {
    for (int k = 0; k < 2; ++k) {
      records_[k] = posizioni[p + 1 + k];
      std::memcpy(lists_[k], listamosse[p + 1 + k], sizeof lists_[k]);
      white_[k] = attacchibianco[p + 1 + k];
      black_[k] = attacchinero[p + 1 + k];
    }
  }
  ~ScratchPlies() {
    for (int k = 0; k < 2; ++k) {
      posizioni[p_ + 1 + k] = records_[k];
      std::memcpy(listamosse[p_ + 1 + k], lists_[k], sizeof lists_[k]);
      attacchibianco[p_ + 1 + k] = white_[k];
      attacchinero[p_ + 1 + k] = black_[k];
    }
    ply = ply_;
    perftmode = perftmode_;
    positionsMade = made_;
    epvictim = epvictim_;
  }
  ScratchPlies(const ScratchPlies&) = delete;
  ScratchPlies& operator=(const ScratchPlies&) = delete;

 private:
  int p_;
  int32_t ply_;
  uint8_t perftmode_;
  uint64_t made_;
  int epvictim_;
  tposizione records_[2];
  uint32_t lists_[2][MAXMOVES];
  tattacchi white_[2], black_[2];
};

// Whether the side to move of record `at` has a legal move (tried in record at+1).
bool hasLegalMove(int at) {
  ply = at + 1;
  const int n = generamosse(false);
  uint32_t moves[MAXMOVES];
  const int count = n < MAXMOVES ? n : MAXMOVES - 1;
  for (int i = 1; i <= count; ++i) moves[i] = listamosse[at + 1][i];
  for (int i = 1; i <= count; ++i) {
    const uint32_t m = moves[i] & MV_MOVE;
    if (m == 0 || m == MV_MARKER) continue;
    ply = at + 1;
    if (eseguimossa(m, NOEVAL)) return true;
  }
  return false;
}

}  // namespace

std::string sanWithCheckMark(uint32_t move, int p) {
  std::string s = scrivisan(move, p);
  if (s.empty() || p < 0 || p + 2 >= MAXPLY) return s;
  ScratchPlies keep(p);
  // Perft mode stops make-move after the legality and check test: no
  // evaluation, no table probe.
  perftmode = 1;
  ply = p + 1;
  if (!eseguimossa(move & MV_MOVE, NOEVAL)) return s;
  if (posizioni[p + 1].checker == NOSQ) return s;
  return s + (hasLegalMove(p + 1) ? "+" : "#");
}

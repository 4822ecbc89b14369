#include "engine/position/fen.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/host.h"
#include "engine/position/attacks.h"
#include "engine/position/game.h"
#include "engine/search/cache.h"
#include "engine/search/evaltables.h"
#include "engine/search/evaluation.h"

namespace {

// A move counter of a FEN: digits with an optional "+".
bool fieldNumber(std::string_view s, int& out) {
  if (!s.empty() && s[0] == '+') s.remove_prefix(1);
  if (s.empty() || s[0] == '-') return false;
  int v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size()) return false;
  out = v;
  return true;
}

int8_t pieceOf(char c) {
  switch (c) {
    case 'P': return 1;
    case 'N': return 2;
    case 'B': return 3;
    case 'R': return 4;
    case 'Q': return 5;
    case 'K': return 6;
    case 'p': return -1;
    case 'n': return -2;
    case 'b': return -3;
    case 'r': return -4;
    case 'q': return -5;
    case 'k': return -6;
    default: return 0;
  }
}

void resetGameRecord(std::string_view text) {
  tpartita& g = partita;
  g.startfen = (text == STARTFEN) ? std::string_view() : text;
  g.result = "*";
  g.resigncount = 0;
  g.message.clear();
  for (int i = 0; i < MAXGAMEMOVES; ++i) {
    g.moves[i] = 0;
    g.movetext[i].clear();
  }
  g.current = 0;
  g.count = 0;
  g.event = engineHost().setting("evento");
  g.site = engineHost().setting("localita");
  g.whiteplayer = engineHost().setting("giocatore");
  g.blackplayer = engineHost().setting("giocatore");
  g.date = "?";
  g.pgnround = "?";
  g.orologiofermo = 1;
  g.inricerca = 0;
  g.motorebianco = 0;
  g.motorenero = 0;
  g.nuovoflag = 1;
}

void placePieces(tposizione& p, const std::string& placement) {
  // Rank strings from rank 1 up to rank 8; an empty one counts as "8".
  std::vector<std::string> ranks;
  for (size_t start = 0;;) {
    const size_t slash = placement.find('/', start);
    ranks.push_back(placement.substr(start, slash == std::string::npos ? std::string::npos : slash - start));
    if (slash == std::string::npos) break;
    start = slash + 1;
  }
  std::string walk;
  for (int r = 7; r >= 0; --r) {
    const std::string rank = r < static_cast<int>(ranks.size()) ? ranks[r] : std::string();
    walk += rank.empty() ? std::string("8") : rank;
  }
  int square = 0;
  for (char c : walk) {
    if (square > 63) break;  // a placement longer than the board is clipped
    int8_t piece = pieceOf(c);
    if (piece == 6) {
      p.board[square] = 6;
      p.whiteking = static_cast<uint8_t>(square);
    } else if (piece == -6) {
      p.board[square] = -6;
      p.blackking = static_cast<uint8_t>(square);
    } else if (piece != 0) {
      ListRef list = pieceListOf(p, piece);
      // A piece beyond its list's capacity cannot be represented: left off the board.
      if (*list.n < list.capacity) {
        p.board[square] = piece;
        list.sq[(*list.n)++] = static_cast<uint8_t>(square);
      }
    }
    square += (c >= '2' && c <= '8') ? c - '0' : 1;
  }
}

std::string squareName(int sq) {
  return std::string{static_cast<char>('a' + fileOf(sq)), static_cast<char>('1' + rankOf(sq))};
}

// Squares of the castling pieces: the right's bit, the king's home and the rook's.
struct CastlingHome {
  uint8_t bit;
  char letter;
  int king, rook;
  int8_t kingPiece, rookPiece;
};
constexpr CastlingHome castlingHomes[4] = {{CASTLE_WK, 'K', 4, 7, 6, 4},
                                           {CASTLE_WQ, 'Q', 4, 0, 6, 4},
                                           {CASTLE_BK, 'k', 60, 63, -6, -4},
                                           {CASTLE_BQ, 'q', 60, 56, -6, -4}};

// The castling rights whose king and rook stand at home on the board.
uint8_t possibleCastling(const int8_t* board, uint8_t rights) {
  uint8_t kept = 0;
  for (const CastlingHome& h : castlingHomes)
    if ((rights & h.bit) && board[h.king] == h.kingPiece && board[h.rook] == h.rookPiece) kept |= h.bit;
  return kept;
}

// Whether an en-passant file fits the board: the side that has just moved
// has a pawn on its fourth rank on that file, and the two squares it crossed
// are empty. White to move looks at Black's pawn on rank 5, Black to move at
// White's on rank 4.
bool possibleEnPassant(const int8_t* board, int side, int file) {
  if (file < 0 || file > 7) return false;
  if (side == WHITE) return board[32 + file] == -1 && board[40 + file] == 0 && board[48 + file] == 0;
  return board[24 + file] == 1 && board[16 + file] == 0 && board[8 + file] == 0;
}

// The rank digit an en-passant square must carry for the side to move.
char enPassantRank(int side) { return side == WHITE ? '6' : '3'; }

}  // namespace

// Runs of blanks separate the fields, so that a doubled blank typed by a
// person does not shift them.
std::vector<std::string> fenFields(std::string_view text) {
  std::vector<std::string> out;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    size_t j = i;
    while (j < text.size() && text[j] != ' ') ++j;
    if (j > i) out.emplace_back(text.substr(i, j - i));
    i = j;
  }
  return out;
}

void impostafen(std::string_view text, bool newgame) {
  if (newgame) resetGameRecord(text);
  clearHashTable();
  cancellastorico();

  ply = 0;
  tposizione& p = posizioni[0];
  for (int s = 0; s < 64; ++s) p.board[s] = 0;
  p.wpawns.n = p.bpawns.n = 0;
  p.wbishops.n = p.bbishops.n = 0;
  p.wrooks.n = p.brooks.n = 0;
  p.wknights.n = p.bknights.n = 0;
  p.wqueens.n = p.bqueens.n = 0;
  // A new position has no last move to show.
  p.lastmove = 0;

  std::vector<std::string> f = fenFields(text);
  auto field = [&](size_t i) { return i < f.size() ? f[i] : std::string(); };
  placePieces(p, field(0));

  const std::string side = field(1);
  if (side == "w" || side == "W") p.side = WHITE;
  if (side == "b" || side == "B") p.side = BLACK;
  if (p.side != WHITE && p.side != BLACK) p.side = WHITE;  // a record never set up before

  const std::string castle = field(2);
  p.castling = 0;
  if (castle.find('K') != std::string::npos) p.castling += CASTLE_WK;
  if (castle.find('Q') != std::string::npos) p.castling += CASTLE_WQ;
  if (castle.find('k') != std::string::npos) p.castling += CASTLE_BK;
  if (castle.find('q') != std::string::npos) p.castling += CASTLE_BQ;
  // A right without its king and rook at home would let make-move castle a
  // rook that is not there.
  p.castling = possibleCastling(p.board, p.castling);

  const std::string ep = field(3);
  p.epfile = 10;
  if (!ep.empty() && ep != "-")
    for (char c = 'a'; c <= 'h'; ++c)
      if (ep.find(c) != std::string::npos) p.epfile = static_cast<uint8_t>(c - 'a');
  // A square no pawn can just have crossed is dropped: it would allow a
  // capture of nothing.
  const bool wrongRank =
      ep.find_first_of("12345678") != std::string::npos && ep.find(enPassantRank(p.side)) == std::string::npos;
  if (p.epfile != 10 && (wrongRank || !possibleEnPassant(p.board, p.side, p.epfile))) p.epfile = 10;

  const std::string hm = field(4);
  int halfmoves = 0;
  if (hm != "-" && fieldNumber(hm, halfmoves)) {
    if (halfmoves < 0) halfmoves = 0;
    if (halfmoves > 255) halfmoves = 255;
  } else {
    halfmoves = 0;
  }
  p.halfmoves = static_cast<uint8_t>(halfmoves);

  p.whitelo = p.whitehi = p.blacklo = p.blackhi = 0;
  for (int s = 0; s < 64; ++s) {
    if (p.board[s] > 0) (s < 32 ? p.whitelo : p.whitehi) |= 1u << (s & 31);
    if (p.board[s] < 0) (s < 32 ? p.blacklo : p.blackhi) |= 1u << (s & 31);
  }
  p.occupiedlo = p.whitelo | p.blacklo;
  p.occupiedhi = p.whitehi | p.blackhi;

  computeKeys();

  p.material = static_cast<int16_t>((p.wpawns.n - p.bpawns.n) * 100 + (p.wknights.n - p.bknights.n) * 295 +
                                    (p.wbishops.n - p.bbishops.n) * 300 + (p.wrooks.n - p.brooks.n) * 480 +
                                    (p.wqueens.n - p.bqueens.n) * 900);
  partita.motorebianco = 0;
  partita.motorenero = 0;

  // Knights, bishops, rooks and queens of both colours (kings are not counted,
  // whether or not the placement has them).
  p.piececount = static_cast<uint8_t>(p.wknights.n + p.bknights.n + p.wbishops.n + p.bbishops.n + p.wrooks.n +
                                      p.brooks.n + p.wqueens.n + p.bqueens.n);
  p.phase = 2;
  if (p.piececount < 5) p.phase = 3;
  if (partita.startfen.empty()) p.phase = 1;
  p.evalstatus = EVAL_ORDINARY;
  p.checker = p.side == BLACK ? cercascacconero(p.blackking) : cercascaccobianco(p.whiteking);
  p.materialkey = p.wpawns.n * MK_WPAWN + p.wqueens.n * MK_WQUEEN + p.wrooks.n * MK_WROOK + p.wbishops.n * MK_WBISHOP +
                  p.wknights.n * MK_WKNIGHT + p.bpawns.n * MK_BPAWN + p.bqueens.n * MK_BQUEEN + p.brooks.n * MK_BROOK +
                  p.bbishops.n * MK_BBISHOP + p.bknights.n * MK_BKNIGHT;
  p.pawnslot = 0;
  evaluatePawns();
  evaluateFull(0);
  p.extension = 0;
}

void nuovapartita() {
  impostafen(STARTFEN, true);
  partita.tempoBianco = partita.tempoBase;
  partita.tempoNero = partita.tempoBase;
  partita.orologiofermo = 1;
  partita.count = 0;
  partita.whiteplayer = engineHost().setting("giocatore");
  partita.blackplayer = ENGINENAME;
  buildEvalTables(evalNoise);
  fullwidth = 1;
  partita.motorenero = 1;
}

std::string fenProblem(std::string_view text) {
  std::vector<std::string> f = fenFields(text);
  if (f.empty()) return "empty FEN";
  if (f.size() > 6) return "too many fields";
  const std::string& placement = f[0];
  int counts[13] = {};
  int rank = 0, file = 0;
  int8_t board[64] = {};
  for (char c : placement) {
    if (c == '/') {
      if (file != 8) return "rank " + std::to_string(8 - rank) + " does not have eight squares";
      ++rank;
      file = 0;
      if (rank > 7) return "more than eight ranks";
      continue;
    }
    if (c >= '1' && c <= '8') {
      file += c - '0';
    } else {
      int8_t piece = pieceOf(c);
      if (!piece) return std::string("unexpected character '") + c + "' in the placement";
      if (file < 8) board[(7 - rank) * 8 + file] = piece;
      ++counts[piece + 6];
      ++file;
    }
    if (file > 8) return "rank " + std::to_string(8 - rank) + " has more than eight squares";
  }
  if (rank != 7 || file != 8) return "the placement does not describe eight ranks of eight squares";
  if (counts[12] != 1 || counts[0] != 1) return "each side needs exactly one king";
  if (counts[7] > CAP_PAWNS || counts[5] > CAP_PAWNS) return "too many pawns";
  for (int t = 2; t <= 4; ++t)
    if (counts[6 + t] > CAP_MINOR || counts[6 - t] > CAP_MINOR) return "too many pieces of one kind";
  if (counts[11] > CAP_QUEENS || counts[1] > CAP_QUEENS) return "too many queens";
  for (int s = 0; s < 8; ++s)
    if (board[s] == 1 || board[s] == -1 || board[56 + s] == 1 || board[56 + s] == -1)
      return "a pawn on the first or last rank";
  int whiteKing = 0, blackKing = 0;
  for (int s = 0; s < 64; ++s) {
    if (board[s] == 6) whiteKing = s;
    if (board[s] == -6) blackKing = s;
  }
  const int fileGap = std::abs(fileOf(whiteKing) - fileOf(blackKing)),
            rankGap = std::abs(rankOf(whiteKing) - rankOf(blackKing));
  if (fileGap <= 1 && rankGap <= 1) return "the kings stand next to each other";
  if (f.size() < 2 || (f[1] != "w" && f[1] != "b" && f[1] != "W" && f[1] != "B")) return "no side to move";
  if (f.size() > 2 && f[2] != "-" && f[2].find_first_not_of("KQkq") != std::string::npos) return "bad castling field";
  if (f.size() > 2 && f[2] != "-")
    for (const CastlingHome& h : castlingHomes)
      if (f[2].find(h.letter) != std::string::npos && possibleCastling(board, h.bit) == 0)
        return std::string("castling right ") + h.letter + " without the king on " + squareName(h.king) +
               " and a rook on " + squareName(h.rook);
  // A wrong en-passant square is dropped at set-up; only a field that names
  // no square at all is refused.
  if (f.size() > 3 && f[3] != "-") {
    const std::string& ep = f[3];
    if (ep.size() != 2 || ep[0] < 'a' || ep[0] > 'h' || ep[1] < '1' || ep[1] > '8') return "bad en-passant field";
  }
  for (size_t i = 4; i < f.size(); ++i) {
    int v = 0;
    if (f[i] != "-" && (!fieldNumber(f[i], v) || v < 0)) return "bad move counter";
  }
  // The side that has just moved may not be in check.
  tposizione saved = posizioni[0];
  const int savedPly = ply;
  ply = 0;
  tposizione& p = posizioni[0];
  std::memcpy(p.board, board, 64);
  p.wpawns.n = p.bpawns.n = p.wknights.n = p.bknights.n = p.wbishops.n = p.bbishops.n = 0;
  p.wrooks.n = p.brooks.n = p.wqueens.n = p.bqueens.n = 0;
  p.occupiedlo = p.occupiedhi = 0;
  for (int s = 0; s < 64; ++s) {
    int8_t v = board[s];
    if (!v) continue;
    (s < 32 ? p.occupiedlo : p.occupiedhi) |= 1u << (s & 31);
    if (v == 6) p.whiteking = static_cast<uint8_t>(s);
    if (v == -6) p.blackking = static_cast<uint8_t>(s);
    ListRef l = pieceListOf(p, v);
    if (l) l.sq[(*l.n)++] = static_cast<uint8_t>(s);
  }
  const bool whiteToMove = f[1] == "w" || f[1] == "W";
  const uint8_t attacker = whiteToMove ? cercascacconero(p.blackking) : cercascaccobianco(p.whiteking);
  posizioni[0] = saved;
  ply = savedPly;
  if (attacker != NOSQ) return "the side not to move is in check";
  return {};
}

std::string fenPlacement(const int8_t board[64]) {
  static const char LETTERS[] = " pnbrqk";
  std::string out;
  for (int rank = 7; rank >= 0; --rank) {
    int empty = 0;
    for (int file = 0; file < 8; ++file) {
      const int8_t v = board[rank * 8 + file];
      const int kind = v < 0 ? -v : v;
      if (kind < PAWN || kind > KING) {
        ++empty;
        continue;
      }
      if (empty) out += static_cast<char>('0' + empty);
      empty = 0;
      // White's pieces are the upper-case letters.
      out += v > 0 ? static_cast<char>(LETTERS[kind] - 'a' + 'A') : LETTERS[kind];
    }
    if (empty) out += static_cast<char>('0' + empty);
    if (rank) out += '/';
  }
  return out;
}

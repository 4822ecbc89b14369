// The position record, the per-ply arrays beside it, the move code and the
// game record. Everything here is global and fixed-size: a move is made by
// copying record ply-1 into record ply, and taken back by decrementing ply.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

constexpr int MAXPLY = 96;     // position records, move lists and attack maps
constexpr int MAXMOVES = 128;  // slots per move list; slot 0 is the picker's scratch
constexpr int NOSQ = 64;       // "no square" wherever a square byte can be empty

// Piece codes: sign is colour, absolute value is type.
enum : int8_t {
  EMPTY = 0,
  PAWN = 1,
  KNIGHT = 2,
  BISHOP = 3,
  ROOK = 4,
  QUEEN = 5,
  KING = 6,
};
constexpr uint8_t WHITE = 1;
constexpr uint8_t BLACK = 2;

// Move code layout.
constexpr uint32_t MV_CAPTURE = 0x1000;
constexpr uint32_t MV_PROMO_Q = 0x2000;
constexpr uint32_t MV_PROMO_N = 0x4000;
constexpr uint32_t MV_PROMO_R = 0x8000;
constexpr uint32_t MV_PROMO_B = 0x10000;
constexpr uint32_t MV_PROMOS = 0x1e000;
constexpr uint32_t MV_MOVE = 0x1ffff;   // identifies a move completely
constexpr uint32_t MV_SQUARES = 0xfff;  // from + 64 * to
constexpr uint32_t MV_MARKER = 65;      // "rest of the list not generated yet"
constexpr int MV_SCORE_SHIFT = 17;

constexpr int mvFrom(uint32_t m) { return static_cast<int>(m & 63); }
constexpr int mvTo(uint32_t m) { return static_cast<int>((m >> 6) & 63); }
constexpr uint32_t mvMake(int from, int to, uint32_t flags = 0) {
  return static_cast<uint32_t>(from) | (static_cast<uint32_t>(to) << 6) | flags;
}
constexpr uint32_t mvScore(uint32_t score) { return score << MV_SCORE_SHIFT; }

constexpr int fileOf(int sq) { return sq & 7; }
constexpr int rankOf(int sq) { return sq >> 3; }

// Piece list: a count followed by unordered squares.
template <int N>
struct PieceList {
  static constexpr int capacity = N;
  uint8_t n;
  uint8_t sq[N];
};

// Capacities of the model: a fifth knight, bishop or rook, or a sixth queen,
// cannot be represented.
constexpr int CAP_PAWNS = 8;
constexpr int CAP_MINOR = 4;
constexpr int CAP_QUEENS = 5;

struct tposizione {
  int8_t board[64];
  uint32_t occupiedhi, occupiedlo;
  uint32_t whitehi, whitelo;
  uint32_t blackhi, blacklo;
  uint32_t materialkey;
  uint32_t hashcheck;
  uint32_t hashindex;
  uint32_t lastmove;
  uint16_t pawnslot;
  int16_t score;
  int16_t material;
  uint8_t side;
  uint8_t castling;
  uint8_t epfile;
  uint8_t phase;
  uint8_t checker;
  uint8_t piececount;
  PieceList<CAP_PAWNS> wpawns;
  PieceList<CAP_PAWNS> bpawns;
  PieceList<CAP_MINOR> wbishops;
  PieceList<CAP_MINOR> bbishops;
  PieceList<CAP_MINOR> wrooks;
  PieceList<CAP_MINOR> brooks;
  PieceList<CAP_MINOR> wknights;
  PieceList<CAP_MINOR> bknights;
  PieceList<CAP_QUEENS> wqueens;
  PieceList<CAP_QUEENS> bqueens;
  uint8_t whiteking, blackking;
  uint8_t halfmoves;
  uint8_t evalstatus;
  uint8_t whitetally, blacktally;
  uint8_t extension;
};
static_assert(std::is_trivially_copyable_v<tposizione>);
static_assert(std::is_standard_layout_v<tposizione>);

// evalstatus values
constexpr uint8_t EVAL_ORDINARY = 0;
constexpr uint8_t EVAL_SPECIAL = 1;
constexpr uint8_t EVAL_DRAWISH = 2;
constexpr uint8_t EVAL_FINAL = 3;

// castling bits
constexpr uint8_t CASTLE_WK = 1, CASTLE_WQ = 2, CASTLE_BK = 4, CASTLE_BQ = 8;
constexpr uint8_t CASTLED_W = 16, CASTLED_B = 32;

// materialkey weights
constexpr uint32_t MK_WPAWN = 1, MK_WQUEEN = 16, MK_WROOK = 128, MK_WBISHOP = 1024, MK_WKNIGHT = 8192;
constexpr uint32_t MK_BPAWN = 0x10000, MK_BQUEEN = 0x100000, MK_BROOK = 0x800000, MK_BBISHOP = 0x4000000,
                   MK_BKNIGHT = 0x20000000;

// Material values of the balance kept in `material`, indexed by piece type.
constexpr int16_t materialValue[7] = {0, 100, 295, 300, 480, 900, 0};

// Weight of a piece code (-6..6) in materialkey.
constexpr uint32_t materialKeyWeight(int piece) {
  switch (piece) {
    case 1: return MK_WPAWN;
    case 2: return MK_WKNIGHT;
    case 3: return MK_WBISHOP;
    case 4: return MK_WROOK;
    case 5: return MK_WQUEEN;
    case -1: return MK_BPAWN;
    case -2: return MK_BKNIGHT;
    case -3: return MK_BBISHOP;
    case -4: return MK_BROOK;
    case -5: return MK_BQUEEN;
    default: return 0;
  }
}

// The list of a piece code (kings have none): its count, its squares and its capacity.
struct ListRef {
  uint8_t* n = nullptr;
  uint8_t* sq = nullptr;
  int capacity = 0;
  explicit operator bool() const { return n != nullptr; }
};
template <int N>
inline ListRef listRef(PieceList<N>& l) {
  return ListRef{&l.n, l.sq, N};
}

inline ListRef pieceListOf(tposizione& p, int piece) {
  switch (piece) {
    case 1: return listRef(p.wpawns);
    case -1: return listRef(p.bpawns);
    case 2: return listRef(p.wknights);
    case -2: return listRef(p.bknights);
    case 3: return listRef(p.wbishops);
    case -3: return listRef(p.bbishops);
    case 4: return listRef(p.wrooks);
    case -4: return listRef(p.brooks);
    case 5: return listRef(p.wqueens);
    case -5: return listRef(p.bqueens);
    default: return ListRef{};
  }
}

extern tposizione posizioni[MAXPLY];
extern int32_t ply;
extern uint32_t listamosse[MAXPLY][MAXMOVES];

// Byte s: type of the least valuable piece of the colour attacking s, 0 if none.
struct tattacchi {
  uint8_t sq[64];
  uint32_t stamp;  // hashcheck of the position the map was built for
};
extern tattacchi attacchibianco[MAXPLY];
extern tattacchi attacchinero[MAXPLY];

// Make-move mode switches: fullwidth is 0 only while quiescence runs,
// perftmode 1 only while perft counts.
extern uint8_t fullwidth;
extern uint8_t perftmode;

// A fixed-size text field: a length and up to N characters; longer values are cut.
template <int N>
struct ShortString {
  static constexpr int capacity = N;
  uint8_t len = 0;
  char s[N] = {};
  void set(std::string_view v) {
    len = static_cast<uint8_t>(v.size() < static_cast<size_t>(N) ? v.size() : N);
    if (len) std::memcpy(s, v.data(), len);
  }
  ShortString& operator=(std::string_view v) {
    set(v);
    return *this;
  }
  std::string str() const { return std::string(s, len); }
  std::string_view view() const { return std::string_view(s, len); }
  bool empty() const { return len == 0; }
  void clear() { len = 0; }
};

constexpr int MAXGAMEMOVES = 600;

struct tpartita {
  ShortString<80> event;
  ShortString<80> site;
  ShortString<10> date;
  ShortString<10> pgnround;
  ShortString<25> whiteplayer;
  ShortString<25> blackplayer;
  ShortString<7> result;
  ShortString<255> startfen;
  std::string message;
  uint32_t moves[MAXGAMEMOVES];
  ShortString<7> movetext[MAXGAMEMOVES];
  int32_t current;
  int32_t count;
  uint8_t orologiofermo;
  uint8_t inricerca;
  uint8_t motorebianco;
  uint8_t motorenero;
  uint8_t nuovoflag;  // set at every new game; nothing reads it
  int32_t tempoBianco;
  int32_t tempoNero;
  int32_t tempoBase;
  int32_t tempoFinale;
  int32_t incremento;
  int32_t mossePerControllo;
  int32_t modoTempo;
  int32_t resigncount;
};
extern tpartita partita;

constexpr const char* STARTFEN = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - - -";
constexpr const char* ENGINENAME = "Zefiran_3D 0.92";

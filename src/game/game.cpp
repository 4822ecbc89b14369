#include "game/game.h"

#include <algorithm>
#include <cstring>

#include "engine/position/fen.h"
#include "engine/position/makemove.h"
#include "engine/position/movegen.h"
#include "records/gamenotes.h"
#include "records/pgnfen.h"
#include "text/Textrout.h"

namespace game {

namespace {

// The lower-case letter of the piece a FEN placement puts on a square, or
// blank for an empty one.
char pieceAtStart(const std::string& placement, int square) {
  int rank = 7, file = 0;
  for (char c : placement) {
    if (c == '/') {
      --rank;
      file = 0;
    } else if (c >= '1' && c <= '8') {
      file += c - '0';
    } else {
      if (rank * 8 + file == square) return static_cast<char>(c | 0x20);
      ++file;
    }
  }
  return ' ';
}

// The FEN's half-move count for the position on the board.
int halfmoveClock() {
  // The position counts the move that reset it (1 after a pawn move or a
  // capture, where FEN says 0), but a set-up takes the FEN's number as it
  // is: the two agree only while no reset happened since the start.
  const std::vector<std::string> f =
      fenFields(partita.startfen.empty() ? std::string(STARTFEN) : partita.startfen.str());
  int start = 0;
  if (f.size() > 4 && (!readInteger(f[4], start) || start < 0)) start = 0;
  const int counted = posizioni[0].halfmoves;
  const int played = partita.current;
  bool reset = counted != std::min(start + played, 255);
  if (!reset && start == 0 && played > 0) {
    // Reset by the first move alone gives the same count: look at that move.
    const uint32_t first = partita.moves[0];
    reset = (first & MV_CAPTURE) != 0 || pieceAtStart(f.empty() ? std::string() : f[0], mvFrom(first)) == 'p';
  }
  return reset && counted > 0 ? counted - 1 : counted;
}

// The result the record carries for the position on the board: the end
// finepartita finds there, or "*" while the game goes on.
int followResult() {
  partita.result = "*";
  return finepartita();
}

}  // namespace

const tpartita& record() { return partita; }
const tposizione& position() { return posizioni[0]; }
bool whiteToMove() { return posizioni[0].side == WHITE; }

int startMoveNumber() {
  int number = 1;
  bool blackFirst = false;
  startingMove(number, blackFirst);
  return number;
}

bool blackStarts() {
  int number = 1;
  bool blackFirst = false;
  startingMove(number, blackFirst);
  return blackFirst;
}

std::string fen() {
  const tposizione& p = posizioni[0];
  std::string out = fenPlacement(p.board);
  const bool white = p.side == WHITE;
  out += white ? " w " : " b ";
  std::string rights;
  if (p.castling & CASTLE_WK) rights += 'K';
  if (p.castling & CASTLE_WQ) rights += 'Q';
  if (p.castling & CASTLE_BK) rights += 'k';
  if (p.castling & CASTLE_BQ) rights += 'q';
  out += rights.empty() ? "-" : rights;
  // The square a pawn has just passed: behind Black's pawn on rank 6 when
  // White is to move, behind White's on rank 3 when Black is.
  if (p.epfile < 8)
    out += std::string(" ") + static_cast<char>('a' + p.epfile) + (white ? '6' : '3');
  else
    out += " -";
  const int number = startMoveNumber() + (partita.current + (blackStarts() ? 1 : 0)) / 2;
  out += " " + std::to_string(halfmoveClock()) + " " + std::to_string(number);
  return out;
}

bool isLegal(uint32_t move) {
  if (!move) return false;
  ply = 1;
  return eseguimossa(move & MV_MOVE, NOEVAL);
}

uint32_t legalMove(int from, int to, uint32_t promotion) {
  if (from < 0 || from > 63 || to < 0 || to > 63) return 0;
  const uint32_t squares = mvMake(from, to);
  ply = 1;
  const int n = generamosse(false);
  uint32_t found = 0;
  for (int i = 1; i <= n && !found; ++i) {
    const uint32_t m = listamosse[1][i] & MV_MOVE;
    if ((m & MV_SQUARES) != squares) continue;
    if ((m & MV_PROMOS) != promotion) continue;
    found = m;
  }
  return isLegal(found) ? found : 0;
}

bool isPromotion(int from, int to) { return legalMove(from, to, MV_PROMO_Q) != 0; }

std::vector<int> targets(int from) {
  std::vector<int> out;
  if (from < 0 || from > 63) return out;
  ply = 1;
  const int n = generamosse(false);
  std::vector<uint32_t> candidates;
  for (int i = 1; i <= n; ++i) {
    const uint32_t m = listamosse[1][i] & MV_MOVE;
    if (m && mvFrom(m) == from) candidates.push_back(m);
  }
  // The legality test reuses the list's ply: test after the list is copied.
  for (uint32_t m : candidates)
    if (isLegal(m) && std::find(out.begin(), out.end(), mvTo(m)) == out.end()) out.push_back(mvTo(m));
  return out;
}

bool play(uint32_t move) {
  if (!isLegal(move)) return false;
  if (!giocamossa(move & MV_MOVE)) return false;
  followResult();
  return true;
}

bool playFromFile(uint32_t move) { return move != 0 && giocamossa(move & MV_MOVE); }

int outcome() { return finepartita(); }

void newGame() {
  nuovapartita();
  gameNotes = GameNotes{};
}

bool setUp(std::string_view text, std::string* why) {
  if (text.empty()) text = STARTFEN;
  const std::string problem = text == STARTFEN                           ? std::string()
                              : text.size() > ShortString<255>::capacity ? std::string("FEN text too long")
                                                                         : fenProblem(text);
  if (!problem.empty()) {
    if (why) *why = problem;
    return false;
  }
  impostafen(text, true);
  gameNotes = GameNotes{};
  partita.tempoBianco = partita.tempoBase;
  partita.tempoNero = partita.tempoBase;
  return true;
}

void goTo(int n) { rigiocapartita(n); }

void takeBack(int plies) {
  tpartita& g = partita;
  const uint8_t white = g.motorebianco, black = g.motorenero;
  const int keep = plies >= g.count ? 0 : g.count - plies;
  // Replaying from the start rebuilds the repetition history as well.
  rigiocapartita(keep);
  for (int i = keep; i < g.count && i < MAXGAMEMOVES; ++i) {
    g.moves[i] = 0;
    g.movetext[i].clear();
  }
  g.count = keep;
  g.current = keep;
  // The position set-up hands the engine no side; it keeps the ones it had.
  g.motorebianco = white;
  g.motorenero = black;
  followResult();
}

Snapshot save() {
  Snapshot s{partita, posizioni[0], {}, gameNotes};
  std::memcpy(s.history, storico, sizeof storico);
  return s;
}

void restore(const Snapshot& s) {
  partita = s.record;
  posizioni[0] = s.root;
  std::memcpy(storico, s.history, sizeof storico);
  gameNotes = s.notes;
}

void setEngineSides(bool white, bool black) {
  partita.motorebianco = white ? 1 : 0;
  partita.motorenero = black ? 1 : 0;
}

void setPlayerName(bool white, std::string_view name) { (white ? partita.whiteplayer : partita.blackplayer) = name; }

void setClocksRunning(bool running) { partita.orologiofermo = running ? 0 : 1; }

void setClocks(int32_t white, int32_t black) {
  partita.tempoBianco = white;
  partita.tempoNero = black;
}

void setTimeControl(int32_t base, int32_t movesPerControl, int32_t increment, int32_t kind, int32_t finalTime) {
  partita.tempoBase = base;
  partita.mossePerControllo = movesPerControl;
  partita.incremento = increment;
  partita.modoTempo = kind;
  partita.tempoFinale = finalTime;
}

void resetResignCount() { partita.resigncount = 0; }

void setResult(std::string_view result) { partita.result = result; }

SearchMark::SearchMark(bool white) { partita.inricerca = white ? 1 : 2; }
SearchMark::~SearchMark() { partita.inricerca = 0; }

void leaveBook() {
  // The position's phases: the opening, where the book is asked, then the
  // middle game.
  constexpr uint8_t OPENING = 1, MIDDLEGAME = 2;
  if (posizioni[0].phase == OPENING) posizioni[0].phase = MIDDLEGAME;
}

}  // namespace game

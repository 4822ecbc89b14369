#include "game/gamecontroller.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/position.h"
#include "engine/search/clock.h"
#include "engine/search/driver.h"
#include "engine/search/searchstate.h"
#include "engine/toolkit.h"
#include "records/pgnfen.h"
#include "records/searchline.h"
#include "settings/language.h"
#include "settings/manageini.h"
#include "text/Textrout.h"

namespace {

// The set-up routines of the engine hand both sides to the human; the
// window's players are the user's choice and outlive a set-up.
class KeepPlayers {
 public:
  KeepPlayers()
      : white_(partita.motorebianco),
        black_(partita.motorenero),
        whiteName_(partita.whiteplayer.str()),
        blackName_(partita.blackplayer.str()) {}
  // A new game names its players after who plays them; going to a move
  // keeps the names the game had (a loaded game's are those of its file).
  void restore(bool renamed) const {
    partita.motorebianco = white_;
    partita.motorenero = black_;
    partita.whiteplayer = !renamed ? whiteName_ : white_ ? std::string(ENGINENAME) : humanName();
    partita.blackplayer = !renamed ? blackName_ : black_ ? std::string(ENGINENAME) : humanName();
  }

 private:
  uint8_t white_, black_;
  std::string whiteName_, blackName_;
};

}  // namespace

GameController& controllore() {
  static GameController c;
  return c;
}

std::string humanName() {
  std::string nome = valoreini("giocatore");
  if (nome.empty()) nome = testo("P_HUMANNAME");
  return nome.substr(0, 25);
}

void GameController::setView(GameView* view) {
  view_ = view;
  closing_ = false;
  editing_ = false;
  dropMove_ = false;
  pending_.clear();
  result_ = GAME_ON;
  clearReadings();
}

bool GameController::searching() const { return partita.inricerca != 0; }

bool GameController::enginePlays(bool white) const { return (white ? partita.motorebianco : partita.motorenero) == 1; }

bool GameController::whiteToMove() const { return posizioni[0].side == WHITE; }

bool GameController::reviewing() const { return partita.current < partita.count; }

int GameController::shownMove() const { return partita.current; }

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
}  // namespace

bool GameController::blackStarts() const {
  int number = 1;
  bool blackFirst = false;
  startingMove(number, blackFirst);
  return blackFirst;
}

int GameController::startMoveNumber() const {
  int number = 1;
  bool blackFirst = false;
  startingMove(number, blackFirst);
  return number;
}

std::string GameController::currentFen() const {
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

int GameController::halfmoveClock() const {
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

int GameController::recordedMoves() const { return partita.count; }

bool GameController::engineTurnDue() const {
  return !searching() && !closing_ && !editing_ && !over() && !reviewing() && pending_.empty() &&
         enginePlays(whiteToMove());
}

bool GameController::clocksRunning() const { return partita.orologiofermo == 0 && !over() && !reviewing(); }

int64_t GameController::shownClock(bool white) const {
  const int64_t left = white ? partita.tempoBianco : partita.tempoNero;
  if (!clocksRunning() || whiteToMove() != white) return left;
  return left - static_cast<int64_t>(elapsedMs());
}

ClockReading GameController::reading(int n) const {
  if (n >= 0 && n < static_cast<int>(readings_.size())) return readings_[n];
  return {partita.tempoBianco, partita.tempoNero};
}

void GameController::clearReadings() {
  // A game from a file carries no clock readings: each of its positions
  // takes the clocks as they are now.
  readings_.assign(partita.count + 1, ClockReading{partita.tempoBianco, partita.tempoNero});
}

void GameController::recordReading() {
  readings_.resize(partita.count + 1, ClockReading{partita.tempoBianco, partita.tempoNero});
  readings_[partita.count] = {partita.tempoBianco, partita.tempoNero};
}

void GameController::restoreReading(int n) {
  if (n < 0 || n >= static_cast<int>(readings_.size())) return;
  partita.tempoBianco = readings_[n].white;
  partita.tempoNero = readings_[n].black;
}

void GameController::updateResult() { result_ = finepartita(); }

void GameController::announce(int code, Mover autore) { view().gameOver(gameOverMessage(code, autore, whiteToMove())); }

void GameController::whenIdle(std::function<void()> command, bool dropMove) {
  if (!searching()) {
    command();
    return;
  }
  pending_.push_back(std::move(command));
  if (dropMove) dropMove_ = true;
  searchDeadline = 1;
}

void GameController::runPending() {
  dropMove_ = false;
  std::vector<std::function<void()>> commands;
  commands.swap(pending_);
  for (auto& c : commands) c();
}

void GameController::shutDown() {
  closing_ = true;
  pending_.clear();
  if (searching()) {
    dropMove_ = true;
    searchDeadline = 1;
  }
}

void GameController::newGame() {
  whenIdle([this] { applyNewGame(); }, true);
}

void GameController::applyNewGame() {
  const KeepPlayers players;
  nuovapartita();
  players.restore(true);
  result_ = GAME_ON;
  clearReadings();
  view().playersChanged();
  view().clocksChanged();
  view().boardChanged();
  view().movesChanged();
}

bool GameController::takesSearchingSide(bool white, bool engine) const {
  if (!searching() || engine) return false;
  return white == (partita.inricerca == 1);
}

void GameController::setPlayer(bool white, bool engine) {
  // Only taking the engine off the side it is searching for has to wait for
  // the search; any other choice is read once the search is over anyway.
  if (takesSearchingSide(white, engine))
    whenIdle([this, white, engine] { applyPlayer(white, engine); }, true);
  else
    applyPlayer(white, engine);
}

void GameController::applyPlayer(bool white, bool engine) {
  modointerfaccia = 1;
  auto& name = white ? partita.whiteplayer : partita.blackplayer;
  name = engine ? std::string(ENGINENAME) : humanName();
  (white ? partita.motorebianco : partita.motorenero) = engine ? 1 : 0;
  if (engine && whiteToMove() == white) {
    // The engine's clock starts with its move.
    if (partita.orologiofermo) moveStart = adesso();
    partita.orologiofermo = 0;
  }
  view().playersChanged();
}

void GameController::gameReplaced() {
  partita.inricerca = 0;
  updateResult();
  clearReadings();
  moveStart = adesso();
  view().playersChanged();
  view().clocksChanged();
  view().boardChanged();
  view().movesChanged();
}

bool GameController::setUpFen(const std::string& fen, std::string& why) {
  why = fenProblem(fen);
  if (!why.empty()) return false;
  whenIdle(
      [this, fen] {
        const KeepPlayers players;
        impostafen(fen, true);
        players.restore(true);
        gameReplaced();
      },
      true);
  return true;
}

bool GameController::humanMove(uint32_t code) {
  if (searching() || closing_) return false;
  clockNow = adesso();
  if (!giocamossa(code)) return false;
  partita.orologiofermo = 0;
  // The first move of a game starts the clocks rather than charging one.
  if (partita.count <= 1)
    modointerfaccia = 1;
  else
    chargeClock();
  recordReading();
  moveStart = adesso();
  updateResult();
  view().movesChanged();
  view().boardChanged();
  if (over()) announce(result_, Mover::Human);
  return true;
}

void GameController::engineTurn() {
  if (!engineTurnDue()) return;
  const bool white = whiteToMove();
  // A set-up position that is already over leaves the engine nothing to play.
  updateResult();
  if (over()) return;

  searchDeadline = allocateTime(white ? partita.tempoBianco : partita.tempoNero);
  moveStart = adesso();
  clockNow = moveStart;
  partita.inricerca = white ? 1 : 2;
  iterationDepth = 2;

  SearchLimits limits;
  limits.timeDivisor = 5;
  const EngineChoice choice =
      pensamossa(limits, [this, white](const Iteration& it) { view().thinkingLine(white, rigaricerca(it)); });

  if (closing_ || dropMove_) {
    // A command given during the search replaced the game or took the
    // engine off this side: the move found is not played.
    partita.inricerca = 0;
    if (!closing_) runPending();
    return;
  }
  if (!choice.move || !giocamossa(choice.move)) {
    // No move, or a game record already full: the engine stops playing
    // and says so, rather than trying again at every tick.
    partita.inricerca = 0;
    partita.motorebianco = 0;
    partita.motorenero = 0;
    view().playersChanged();
    view().status(testo("P_ENGINESTOPPED"));
    runPending();
    return;
  }
  view().movesChanged();
  chargeClock();
  recordReading();
  if (!enginePlays(!white)) moveStart = adesso();
  updateResult();
  view().engineMoved(white);
  partita.inricerca = 0;
  if (over()) announce(result_, white ? Mover::WhiteEngine : Mover::BlackEngine);
  runPending();
}

void GameController::moveNow() { searchDeadline = 1; }

void GameController::goToMove(int n) {
  whenIdle([this, n] { applyGoToMove(n); }, true);
}

void GameController::applyGoToMove(int n) {
  if (n < 0) n = 0;
  if (n > partita.count) n = partita.count;
  const KeepPlayers players;
  rigiocapartita(n);
  players.restore(false);
  restoreReading(n);
  // The engine's hopeless count belongs to the line it was counted in.
  partita.resigncount = 0;
  moveStart = adesso();
  clockNow = moveStart;
  updateResult();
  view().clocksChanged();
  view().boardChanged();
  view().movesChanged();
}

void GameController::takeBack() {
  whenIdle(
      [this] {
        const int n = shownMove();
        if (n <= 0) return;
        int target = n - 1;
        // The side to move after half-move target: the one to move now when
        // an even number of half-moves lies between.
        const bool whiteAtTarget = ((n - target) % 2 == 0) == whiteToMove();
        // Against the engine the player gets the move back, not the engine.
        if (target > 0 && enginePlays(whiteAtTarget) && !enginePlays(!whiteAtTarget)) --target;
        applyGoToMove(target);
      },
      true);
}

void GameController::beginEditing() {
  whenIdle(
      [this] {
        if (editing_) return;
        editing_ = true;
        keptGame_ = partita;
        keptRoot_ = posizioni[0];
        std::memcpy(keptHistory_, storico, sizeof storico);
        editor_.begin();
        editStartFen_ = editor_.fen();
      },
      true);
}

void GameController::editChanged() {
  // The board shows what is being set up, playable or not yet; the set-up
  // must not take the players with it.
  const uint8_t white = partita.motorebianco, black = partita.motorenero;
  impostafen(editor_.fen(), false);
  partita.motorebianco = white;
  partita.motorenero = black;
  view().boardChanged();
}

bool GameController::finishEditing(std::string& why, bool& whyIsKey) {
  if (!editing_) return true;
  if (const char* key = editor_.problemKey()) {
    why = key;
    whyIsKey = true;
    return false;
  }
  const std::string fen = editor_.fen();
  why = fenProblem(fen);
  whyIsKey = false;
  if (!why.empty()) return false;
  editing_ = false;
  if (fen == editStartFen_) {
    partita = keptGame_;
    posizioni[0] = keptRoot_;
    std::memcpy(storico, keptHistory_, sizeof storico);
    view().boardChanged();
    return true;
  }
  const KeepPlayers players;
  impostafen(fen, true);
  players.restore(true);
  gameReplaced();
  return true;
}

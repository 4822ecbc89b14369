#include "game/gamecontroller.h"

#include <utility>

#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/position.h"
#include "engine/search/clock.h"
#include "engine/search/driver.h"
#include "engine/search/searchstate.h"
#include "engine/toolkit.h"
#include "records/searchline.h"
#include "settings/language.h"
#include "settings/manageini.h"

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
// The FEN's fields split at blanks.
std::vector<std::string> fenFields(const std::string& fen) {
  std::vector<std::string> fields;
  size_t i = 0;
  while (i < fen.size()) {
    const size_t start = fen.find_first_not_of(' ', i);
    if (start == std::string::npos) break;
    const size_t end = fen.find(' ', start);
    fields.push_back(fen.substr(start, end == std::string::npos ? std::string::npos : end - start));
    i = end == std::string::npos ? fen.size() : end;
  }
  return fields;
}
}  // namespace

bool GameController::blackStarts() const {
  const std::vector<std::string> f = fenFields(partita.startfen.str());
  return f.size() > 1 && (f[1] == "b" || f[1] == "B");
}

int GameController::startMoveNumber() const {
  const std::vector<std::string> f = fenFields(partita.startfen.str());
  if (f.size() < 6 || f[5].empty() || f[5].size() > 4 || f[5].find_first_not_of("0123456789") != std::string::npos)
    return 1;
  const int n = std::stoi(f[5]);
  return n < 1 ? 1 : n;
}

int GameController::recordedMoves() const { return partita.count; }

bool GameController::engineTurnDue() const {
  return !searching() && !closing_ && !over() && !reviewing() && pending_.empty() && enginePlays(whiteToMove());
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
    view().status(std::string("engine stopped: ") + (choice.move ? "its move could not be played" : "no move found"));
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

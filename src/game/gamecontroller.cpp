#include "game/gamecontroller.h"

#include <algorithm>
#include <utility>

#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/perft.h"
#include "engine/position/position.h"
#include "engine/search/cache.h"
#include "engine/search/clock.h"
#include "engine/search/driver.h"
#include "engine/search/searchstate.h"
#include "engine/toolkit.h"
#include "game/game.h"
#include "game/gamefiles.h"
#include "records/pgnfen.h"
#include "records/searchline.h"
#include "settings/language.h"
#include "settings/manageini.h"

namespace {

// The set-up routines of the engine hand both sides to the human; the
// window's players are the user's choice and outlive a set-up.
class KeepPlayers {
 public:
  KeepPlayers()
      : white_(partita.motorebianco == 1),
        black_(partita.motorenero == 1),
        whiteName_(partita.whiteplayer.str()),
        blackName_(partita.blackplayer.str()) {}
  // A new game names its players after who plays them; going to a move
  // keeps the names the game had (a loaded game's are those of its file).
  void restore(bool renamed) const {
    game::setEngineSides(white_, black_);
    game::setPlayerName(true, !renamed ? whiteName_ : white_ ? std::string(ENGINENAME) : humanName(true));
    game::setPlayerName(false, !renamed ? blackName_ : black_ ? std::string(ENGINENAME) : humanName(false));
  }

 private:
  bool white_, black_;
  std::string whiteName_, blackName_;
};

uint32_t promotionBits(Promotion p) {
  switch (p) {
    case Promotion::queen: return MV_PROMO_Q;
    case Promotion::knight: return MV_PROMO_N;
    case Promotion::rook: return MV_PROMO_R;
    case Promotion::bishop: return MV_PROMO_B;
    case Promotion::none: break;
  }
  return 0;
}

}  // namespace

// The game kept aside during an edit.
struct GameController::Kept {
  game::Snapshot game;
};

GameController::GameController() = default;
GameController::~GameController() = default;

GameController& controllore() {
  static GameController c;
  return c;
}

InterfaceMode interfaceMode() { return static_cast<InterfaceMode>(modointerfaccia); }

void setInterfaceMode(InterfaceMode mode) { modointerfaccia = static_cast<int32_t>(mode); }

std::string positionProblem(const std::string& fen) { return fenProblem(fen); }

long long hashKilobytes() { return static_cast<long long>(hashEntries()) * sizeof(HashEntry) / 1024; }

std::string humanName(bool white) {
  std::string name = valoreini("giocatore");
  if (name.empty()) name = testo(white ? "P_WHITE" : "P_BLACK");
  return name.substr(0, 25);
}

void GameController::setView(GameView* view) {
  view_ = view;
  closing_ = false;
  editing_ = false;
  dropMove_ = false;
  pending_.clear();
  result_ = GAME_ON;
  overMessage_ = {};
  agreedEnd_ = AgreedEnd::none;
  playedMoves_ = 0;
  coachMode_ = CoachMode::none;
  clearReadings();
  // Without a settings file a person still has a name.
  for (const bool white : {true, false})
    if (!enginePlays(white) && playerName(white).empty()) game::setPlayerName(white, humanName(white));
}

// ---- the board ----

int8_t GameController::pieceAt(int square) const {
  return square >= 0 && square < board::SQUARES ? game::position().board[square] : board::EMPTY;
}

bool GameController::whiteToMove() const { return game::whiteToMove(); }

std::vector<int> GameController::targets(int from) const { return game::targets(from); }

bool GameController::canPickUp(int square) const {
  const int8_t piece = pieceAt(square);
  if (piece == board::EMPTY || searching() || editing_ || closing_ || agreedEndShown()) return false;
  if (coachMode_ == CoachMode::review) return false;
  // In analysis the person plays both sides.
  return (piece > 0) == whiteToMove() && (!enginePlays(whiteToMove()) || coachMode_ == CoachMode::analysis);
}

int GameController::lastMoveFrom() const {
  const int n = shownMove();
  return n > 0 ? mvFrom(partita.moves[n - 1]) : board::NO_SQUARE;
}

int GameController::lastMoveTo() const {
  const int n = shownMove();
  return n > 0 ? mvTo(partita.moves[n - 1]) : board::NO_SQUARE;
}

// ---- the game ----

bool GameController::searching() const { return partita.inricerca != 0; }

bool GameController::searchingWhite() const { return partita.inricerca == 1; }

bool GameController::enginePlays(bool white) const { return (white ? partita.motorebianco : partita.motorenero) == 1; }

std::string GameController::playerName(bool white) const {
  return white ? partita.whiteplayer.str() : partita.blackplayer.str();
}

GameInfo GameController::info() const {
  const tpartita& g = partita;
  return {g.event.str(),       g.site.str(),        g.date.str(),  g.pgnround.str(),
          g.whiteplayer.str(), g.blackplayer.str(), g.result.str()};
}

std::string GameController::resultText() const { return partita.result.str(); }

bool GameController::reviewing() const { return partita.current < partita.count; }

int GameController::shownMove() const { return partita.current; }

int GameController::recordedMoves() const { return partita.count; }

std::string GameController::moveText(int k) const {
  if (k < 1 || k > partita.count || k > MAXGAMEMOVES) return {};
  return partita.movetext[k - 1].str();
}

bool GameController::blackStarts() const { return game::blackStarts(); }

int GameController::startMoveNumber() const { return game::startMoveNumber(); }

std::string GameController::startFen() const { return partita.startfen.str(); }

std::string GameController::currentFen() const { return game::fen(); }

// ---- clocks ----

bool GameController::engineTurnDue() const {
  return !searching() && !closing_ && !editing_ && !over() && !reviewing() && pending_.empty() &&
         coachMode_ == CoachMode::none && enginePlays(whiteToMove());
}

bool GameController::clocksRunning() const { return partita.orologiofermo == 0 && !over() && !reviewing(); }

void GameController::sampleTime() { sampleClock(); }

double GameController::moment() const { return clockNow; }

int64_t GameController::shownClock(bool white) const {
  const int64_t left = white ? partita.tempoBianco : partita.tempoNero;
  if (!clocksRunning() || whiteToMove() != white) return left;
  return left - static_cast<int64_t>(elapsedMs());
}

std::string GameController::clockText(int64_t ms) {
  return ::clockText(ms < INT32_MIN ? INT32_MIN : ms > INT32_MAX ? INT32_MAX : static_cast<int32_t>(ms));
}

ClockReading GameController::clocks() const { return {partita.tempoBianco, partita.tempoNero}; }

ClockReading GameController::reading(int n) const {
  if (n >= 0 && n < static_cast<int>(readings_.size())) return readings_[n];
  return {partita.tempoBianco, partita.tempoNero};
}

TimeControl GameController::timeControl() const {
  const tpartita& g = partita;
  TimeControl t;
  t.base = g.tempoBase;
  t.moves = g.mossePerControllo;
  t.increment = g.incremento;
  t.finalTime = g.tempoFinale;
  t.kind = g.modoTempo;
  return t;
}

void GameController::setTimeControl(const TimeControl& t) {
  game::setTimeControl(t.base, t.moves, t.increment, t.kind, t.finalTime);
  game::setClocks(t.base, t.base);
  clearReadings();
  moveStart = adesso();
  clockNow = moveStart;
  view().clocksChanged();
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
  game::setClocks(readings_[n].white, readings_[n].black);
}

void GameController::followState(bool wasOver) {
  result_ = game::outcome();
  if (!over()) overMessage_ = {};
  // Only a reopened game is told here: an ended one is announced with its
  // message by whoever made the last move.
  if (wasOver && !over()) view().gameStateChanged();
}

void GameController::announce(int code, Mover autore) {
  overMessage_ = ::gameOverMessage(code, autore, whiteToMove());
  view().gameStateChanged();
}

MadeMove GameController::lastMade(bool byEngine) const {
  MadeMove m;
  const int n = shownMove();
  if (n <= 0) return m;
  const uint32_t code = partita.moves[n - 1];
  m.from = mvFrom(code);
  m.to = mvTo(code);
  m.white = !whiteToMove();
  m.byEngine = byEngine;
  m.capture = (code & MV_CAPTURE) != 0;
  m.check = game::position().checker != NOSQ;
  return m;
}

// ---- commands ----

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

void GameController::coachSearch(const std::function<void()>& search) {
  if (searching() || closing_) return;
  coachSearching_ = true;
  {
    const game::SearchMark mark(whiteToMove());
    search();
  }
  coachSearching_ = false;
  if (!closing_) runPending();
}

void GameController::stopCoachSearch() {
  if (coachSearching_) searchDeadline = 1;
}

void GameController::shutDown() {
  closing_ = true;
  pending_.clear();
  if (searching()) dropMove_ = true;
  searchDeadline = 1;
  perftStopRequested = true;
}

void GameController::replaced(bool keepPlayers) {
  if (keepPlayers) {
    const KeepPlayers players;
    players.restore(true);
  }
  const bool wasOver = over();
  agreedEnd_ = AgreedEnd::none;
  playedMoves_ = 0;
  result_ = game::outcome();
  overMessage_ = {};
  clearReadings();
  moveStart = adesso();
  clockNow = moveStart;
  view().playersChanged();
  view().clocksChanged();
  view().positionReplaced();
  if (wasOver || over()) view().gameStateChanged();
}

void GameController::newGame() {
  whenIdle([this] { applyNewGame(); }, true);
}

void GameController::applyNewGame() {
  const KeepPlayers players;
  game::newGame();
  players.restore(true);
  replaced(false);
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
  game::setPlayerName(white, engine ? std::string(ENGINENAME) : humanName(white));
  game::setEngineSides(white ? engine : enginePlays(true), white ? enginePlays(false) : engine);
  if (engine && whiteToMove() == white) {
    // The engine's clock starts with its move.
    if (partita.orologiofermo) moveStart = adesso();
    game::setClocksRunning(true);
  }
  view().playersChanged();
}

bool GameController::setUpFen(const std::string& fen, std::string& why) {
  why = fenProblem(fen);
  if (!why.empty()) return false;
  whenIdle(
      [this, fen] {
        const KeepPlayers players;
        if (!game::setUp(fen)) return;
        players.restore(true);
        replaced(false);
      },
      true);
  return true;
}

bool GameController::loadFenFile(const std::string& path, std::string& why) {
  if (searching()) return false;
  const KeepPlayers players;
  if (!caricafen(path, why)) return false;
  players.restore(true);
  replaced(false);
  return true;
}

bool GameController::loadGame(int line, std::string& report) {
  if (searching()) return false;
  const esitocaricamento outcome = caricapartita(line);
  report = loadReportText(lastLoad);
  if (outcome == esitocaricamento::rifiutata) return false;
  replaced(false);
  return true;
}

void GameController::perft(int depth, const std::function<void(const std::string&)>& line) {
  if (searching()) return;
  loopperft(depth, line);
}

void GameController::stopPerft() { perftStopRequested = true; }

bool GameController::perftStopped() const { return perftStopRequested; }

void GameController::replaceBy(const std::function<void()>& work) {
  work();
  replaced(false);
}

MoveAttempt GameController::humanMove(int from, int to, Promotion promotion) {
  // A resigned or agreed game takes no more moves; after a drawn position
  // people may play on, as they could before such ends were announced.
  if (searching() || closing_ || editing_ || agreedEndShown() || coachMode_ == CoachMode::review)
    return MoveAttempt::illegal;
  const uint32_t promo = promotionBits(promotion);
  if (!promo && game::isPromotion(from, to)) return MoveAttempt::needsPromotion;
  const uint32_t move = game::legalMove(from, to, promo);
  clockNow = adesso();
  if (!move || !game::play(move)) return MoveAttempt::illegal;
  game::setClocksRunning(true);
  // The first move of a game starts the clocks rather than charging one.
  if (partita.count <= 1)
    modointerfaccia = 1;
  else
    chargeClock();
  recordReading();
  moveStart = adesso();
  ++playedMoves_;
  dropAgreedEnd();
  result_ = game::outcome();
  view().moveMade(lastMade(false));
  if (over()) announce(result_, Mover::Human);
  return MoveAttempt::played;
}

void GameController::engineTurn() {
  if (!engineTurnDue()) return;
  const bool white = whiteToMove();
  // A set-up position that is already over leaves the engine nothing to play.
  followState(over());
  if (over()) return;

  // The engine's clock starts with its move.
  if (partita.orologiofermo) {
    game::setClocksRunning(true);
    view().clocksChanged();
  }
  searchDeadline = allocateTime(white ? partita.tempoBianco : partita.tempoNero);
  moveStart = adesso();
  clockNow = moveStart;
  iterationDepth = 2;

  EngineChoice choice;
  {
    const game::SearchMark mark(white);
    SearchLimits limits;
    limits.timeDivisor = 5;
    limits.level = engineLevel(white);
    choice = pensamossa(limits, [this, white](const Iteration& it) { view().thinkingLine(white, rigaricerca(it)); });
  }

  if (closing_ || dropMove_) {
    // A command given during the search replaced the game or took the
    // engine off this side: the move found is not played.
    if (!closing_) runPending();
    return;
  }
  if (!choice.move || !game::play(choice.move)) {
    // No move, or a game record already full: the engine stops playing
    // and says so, rather than trying again at every tick.
    game::setEngineSides(false, false);
    view().playersChanged();
    view().status(testo("P_ENGINESTOPPED"));
    runPending();
    return;
  }
  {
    // The notices run inside the move: nothing nested may start a search.
    const game::SearchMark mark(white);
    chargeClock();
    recordReading();
    ++playedMoves_;
    dropAgreedEnd();
    if (!enginePlays(!white)) moveStart = adesso();
    result_ = game::outcome();
    view().moveMade(lastMade(true));
    if (over()) announce(result_, white ? Mover::WhiteEngine : Mover::BlackEngine);
  }
  runPending();
}

void GameController::moveNow() { searchDeadline = 1; }

bool GameController::agreedEndShown() const {
  return agreedEnd_ != AgreedEnd::none && shownMove() == agreedAt_ && recordedMoves() == agreedAt_;
}

void GameController::dropAgreedEnd() {
  if (agreedEnd_ != AgreedEnd::none && recordedMoves() != agreedAt_) agreedEnd_ = AgreedEnd::none;
}

void GameController::endByAgreement(AgreedEnd end) {
  agreedEnd_ = end;
  agreedAt_ = recordedMoves();
  switch (end) {
    case AgreedEnd::whiteResigned:
      game::setResult("0-1");
      overMessage_ = {"LABBANDONAB", 2};
      break;
    case AgreedEnd::blackResigned:
      game::setResult("1-0");
      overMessage_ = {"LABBANDONAN", 2};
      break;
    case AgreedEnd::drawAgreed:
      game::setResult("1/2-1/2");
      overMessage_ = {"P_DRAWAGREED", 2};
      break;
    case AgreedEnd::none: return;
  }
  view().gameStateChanged();
}

bool GameController::canResign() const {
  return !over() && !reviewing() && !editing_ && (!enginePlays(true) || !enginePlays(false));
}

void GameController::resign() {
  whenIdle(
      [this] {
        if (!canResign()) return;
        // The one person at the board resigns; with two, the side to move.
        const bool white = enginePlays(true) ? false : enginePlays(false) ? true : whiteToMove();
        endByAgreement(white ? AgreedEnd::whiteResigned : AgreedEnd::blackResigned);
      },
      true);
}

bool GameController::offerDraw() {
  if (!canResign() || searching()) return false;
  const bool engineWhite = enginePlays(true), engineBlack = enginePlays(false);
  bool accepted = true;
  if (engineWhite || engineBlack) {
    // The engine looks at the position briefly and takes the draw unless
    // its score says it stands better.
    constexpr int32_t DRAW_LOOK_MS = 300;
    constexpr int DRAW_LOOK_DEPTH = 8;
    moveStart = adesso();
    clockNow = moveStart;
    searchDeadline = DRAW_LOOK_MS;
    SearchLimits limits;
    limits.maxDepth = DRAW_LOOK_DEPTH;
    int score = 0;
    {
      const game::SearchMark mark(whiteToMove());
      iterativeDeepening(limits, [&score](const Iteration& it) { score = it.score; });
    }
    const int own = engineWhite ? score : -score;
    accepted = own <= 0;
  }
  if (accepted)
    endByAgreement(AgreedEnd::drawAgreed);
  else
    view().status(testo("P_DRAWDECLINED"));
  return accepted;
}

MaterialCount GameController::material() const {
  // A full set; a side with more of a kind than this has promoted.
  constexpr int FULL[7] = {0, 8, 2, 2, 2, 1, 1};
  constexpr int VALUE[7] = {0, 1, 3, 3, 5, 9, 0};
  int count[2][7] = {};
  for (int s = 0; s < board::SQUARES; ++s) {
    const int8_t p = pieceAt(s);
    if (p > 0) ++count[0][p];
    if (p < 0) ++count[1][-p];
  }
  MaterialCount m;
  for (int type = board::QUEEN; type >= board::PAWN; --type) {
    for (int k = count[0][type]; k < FULL[type]; ++k) m.lostByWhite.push_back(static_cast<int8_t>(type));
    for (int k = count[1][type]; k < FULL[type]; ++k) m.lostByBlack.push_back(static_cast<int8_t>(-type));
    m.balance += VALUE[type] * (count[0][type] - count[1][type]);
  }
  return m;
}

void GameController::goToMove(int n) {
  whenIdle([this, n] { applyGoToMove(n); }, true);
}

void GameController::applyGoToMove(int n) {
  n = std::clamp(n, 0, static_cast<int>(partita.count));
  const bool wasOver = over();
  const KeepPlayers players;
  game::goTo(n);
  players.restore(false);
  restoreReading(n);
  // The engine's hopeless count belongs to the line it was counted in.
  game::resetResignCount();
  moveStart = adesso();
  clockNow = moveStart;
  followState(wasOver);
  view().clocksChanged();
  view().movesTakenBack();
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

// ---- board editing ----

void GameController::beginEditing() {
  whenIdle(
      [this] {
        if (editing_) return;
        editing_ = true;
        kept_ = std::make_unique<Kept>(Kept{game::save()});
        editor_.begin();
        editStartFen_ = editor_.fen();
      },
      true);
}

void GameController::editChanged() {
  // The board shows what is being set up, playable or not yet; the set-up
  // must not take the players with it.
  whenIdle(
      [this] {
        const bool white = enginePlays(true), black = enginePlays(false);
        impostafen(editor_.fen(), false);
        game::setEngineSides(white, black);
        view().positionReplaced();
      },
      false);
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
    game::restore(kept_->game);
    kept_.reset();
    view().positionReplaced();
    return true;
  }
  kept_.reset();
  const KeepPlayers players;
  game::setUp(fen);
  players.restore(true);
  replaced(false);
  return true;
}

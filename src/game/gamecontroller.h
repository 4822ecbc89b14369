// The game session: the one owner of the game for the window. Every change
// goes through it: a person's move (legality and the promotion question are
// decided here), the engine's move, taking back, going to a move, a new
// game, a loaded game or position, board editing, the game's end and its
// reopening by a take back. It tells its view what changed, one notice per
// kind of change, and the view reads what it shows from here. No toolkit
// and no engine header: tests drive it without a display.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/boardeditor.h"
#include "game/boardtypes.h"
#include "game/gameover.h"

// A move just made on the board.
struct MadeMove {
  int from = board::NO_SQUARE;
  int to = board::NO_SQUARE;
  bool white = true;      // the side that made it
  bool byEngine = false;  // the engine's move, not a person's
  bool capture = false;
  bool check = false;  // it gives check (or mate)
};

// What the controller tells its view. Every call is a notice after the
// fact; all have empty defaults.
class GameView {
 public:
  virtual ~GameView() = default;
  // A move was made on the board (the game record has grown by it).
  virtual void moveMade(const MadeMove& move) {}
  // The board went back or forward along the recorded moves: a take back
  // or going to a move. The recorded moves stay.
  virtual void movesTakenBack() {}
  // The position was replaced: a new game, a set-up, a loaded game or
  // position, an edited board.
  virtual void positionReplaced() {}
  // The clocks were set (new game, set-up, time control, take back).
  virtual void clocksChanged() {}
  // A player's name or who plays a side changed.
  virtual void playersChanged() {}
  // The game has ended (over() and gameOverMessage() say how), or a take
  // back or going to a move has reopened it.
  virtual void gameStateChanged() {}
  // A finished iteration of the engine's search for that side.
  virtual void thinkingLine(bool white, const std::string& line) {}
  // A line for the status strip.
  virtual void status(const std::string& line) {}
};

// The clocks after a half-move (entry 0: at the start of the game).
struct ClockReading {
  int32_t white = 0;
  int32_t black = 0;
};

// What a person's move between two squares comes to.
enum class MoveAttempt {
  illegal,         // no legal move goes there (or a search runs): nothing changed
  played,          // the move was made
  needsPromotion,  // a pawn reaches the last rank: ask which piece, then move again with it
};

// The pieces each side has lost against a full set, and the material
// balance in pawns (positive: White is ahead), as a board's side shows them.
struct MaterialCount {
  std::vector<int8_t> lostByWhite;  // piece codes, most valuable first
  std::vector<int8_t> lostByBlack;
  int balance = 0;
};

// What the coach is doing with the board (analysis.h, review.h): nothing,
// analysing the position shown, or reviewing the game.
enum class CoachMode { none, analysis, review };

// The tags and players of the game, as a loaded file or the settings gave them.
struct GameInfo {
  std::string event, site, date, round, white, black, result;
};

class GameController {
 public:
  GameController();
  ~GameController();

  // The view that shows this session (nullptr: none). A new view starts
  // with nothing pending and the session open again.
  void setView(GameView* view);

  // ---- the board ----
  int8_t pieceAt(int square) const;
  bool whiteToMove() const;
  // Where the piece on `from` can go with a legal move.
  std::vector<int> targets(int from) const;
  // Whether a person may pick up the piece on that square now: a piece of
  // the side to move, a person to move, no search, no edit.
  bool canPickUp(int square) const;
  // The last move made to reach the position shown (from, to), or NO_SQUARE.
  int lastMoveFrom() const;
  int lastMoveTo() const;

  // ---- the game ----
  // An engine search is running (its nested event loop runs the commands).
  bool searching() const;
  // The side a running search is for: true White (meaningless while idle).
  bool searchingWhite() const;
  bool enginePlays(bool white) const;
  std::string playerName(bool white) const;
  GameInfo info() const;
  // The game has ended in the position shown (a result code of finepartita
  // below zero, a resignation or an agreed draw); the engine does not move
  // and the clocks stand. A resigned or agreed game takes no move.
  bool over() const { return result_ < 0 || agreedEndShown(); }
  int result() const { return result_; }
  // A game that a person has played on since it was set up or loaded, and
  // that has not ended: what a new game would throw away.
  bool gameInProgress() const { return playedMoves_ > 0 && !over(); }
  MaterialCount material() const;
  // The result the game record carries ("1-0", "0-1", "1/2-1/2", "*").
  std::string resultText() const;
  // The message for the game's end shown last (null key while it goes on).
  GameOverMessage gameOverMessage() const { return overMessage_; }
  // The board shows an earlier position than the game's last one: the
  // engine waits, so that browsing never cuts the recorded moves.
  bool reviewing() const;
  int shownMove() const;
  int recordedMoves() const;
  // The stored text of half-move k (1-based), empty outside the record.
  std::string moveText(int k) const;
  // The game's start: Black to move first (a set-up position), the number
  // of its first move (the start FEN's move number, else 1), and the start
  // FEN of a set-up game (empty for the standard start).
  bool blackStarts() const;
  int startMoveNumber() const;
  std::string startFen() const;
  // The position on the board as a complete FEN text, its move number
  // counted from the game's start.
  std::string currentFen() const;

  // ---- clocks ----
  // The engine is to move now: not searching, not over, at the game's end.
  bool engineTurnDue() const;
  // The clock of the side to move is running (a move of the game has been
  // made or the engine was given the side to move, and the game goes on).
  bool clocksRunning() const;
  // Reads the time of day once for this tick, and gives that moment (a
  // fraction of a day) to what moves with it.
  void sampleTime();
  double moment() const;
  // What a clock shows: the time left, less the current move's time so far
  // for the side to move while its clock runs.
  int64_t shownClock(bool white) const;
  // The time left as the clocks write it ([hh.]mm.ss).
  static std::string clockText(int64_t ms);
  // The time each side has left now (its current move's time not charged).
  ClockReading clocks() const;
  // The clocks recorded after half-move n (0 = the start), or the current
  // clocks when no reading was kept for it.
  ClockReading reading(int n) const;
  TimeControl timeControl() const;
  // A new time control: the clocks start again from its base time.
  void setTimeControl(const TimeControl& control);

  // ---- commands (each may be given while a search runs: it is then
  // carried out once the search has stopped, see whenIdle) ----
  // A new game from the standard position; the players stay as they are.
  void newGame();
  // Gives a side to the engine or to a person.
  void setPlayer(bool white, bool engine);
  // Sets up a FEN position as a new game; false with the reason when it is
  // not a playable position (and nothing changes).
  bool setUpFen(const std::string& fen, std::string& why);
  // Opens a FEN file and sets its position up as a new game with the
  // players as they are; false with the cause, and nothing changes, when the
  // file gives no playable position.
  bool loadFenFile(const std::string& path, std::string& why);
  // Loads the game whose tags start at that line of the open PGN file (the
  // file's players, both played by people); false when nothing was loaded.
  // report receives the load report's text (empty for a complete game).
  bool loadGame(int line, std::string& report);
  // A person's move on the position shown. With a promotion, the piece the
  // pawn becomes; without one, a promotion move is not made and asks for it.
  MoveAttempt humanMove(int from, int to, Promotion promotion = Promotion::none);
  // The engine's search and move for the side to move (the tick calls it
  // when engineTurnDue).
  void engineTurn();
  // "move now": the running search stops at its next time check.
  void moveNow();

  // ---- the engine's strength, one level per side (0 the weakest; the
  // last, the default, is the full engine). A change counts from the
  // engine's next move.
  static int levelCount();
  static int fullLevel() { return levelCount() - 1; }
  int engineLevel(bool white) const { return levels_[white ? 0 : 1]; }
  void setEngineLevel(bool white, int level);
  // The level's name in the current language, and its measured rating.
  static std::string levelName(int level);
  static int levelElo(int level);
  // Whether a person can resign now: a person plays a side and the game goes
  // on. The person resigns: the one person at the board, or with two the
  // side to move.
  bool canResign() const;
  void resign();
  // A person offers a draw. Against the engine it accepts when its own
  // search says it is not better; between two people the draw is agreed.
  // True when the game ended drawn.
  bool offerDraw();
  // Shows the position after half-move n (0 = the start), keeping the
  // later moves recorded; the clocks return to their reading there.
  void goToMove(int n);
  // Takes back the last move shown: against the engine its reply and the
  // player's move, so that the player is to move again; with two people
  // (or the engine on both sides) one half-move.
  void takeBack();
  void forward() { goToMove(shownMove() + 1); }
  void back() { goToMove(shownMove() - 1); }
  void first() { goToMove(0); }
  void last() { goToMove(recordedMoves()); }

  // Counts the move paths of the position shown for depths 1..depth, a
  // line per depth; stopPerft ends the count after the current step.
  void perft(int depth, const std::function<void(const std::string&)>& line);
  void stopPerft();
  bool perftStopped() const;

  // Work that replays positions of its own on the board (a test run, a
  // book build): the game is replaced by what it leaves, and the view is
  // told so.
  void replaceBy(const std::function<void()>& work);

  // A command given during a search: the search is asked to stop, and the
  // command runs once it has; dropMove keeps the engine from playing the
  // move that search found (the command replaces the game, or takes the
  // engine off the side it was searching for). Runs at once otherwise.
  void whenIdle(std::function<void()> command, bool dropMove);

  // The window is closing: a running search stops, its move is not played
  // and no command waits for it.
  void shutDown();

  // ---- the coach (analysis.h, review.h, hint.h) ----
  // While the coach analyses or reviews, the engine plays no move of its
  // own; in analysis a person moves either side, in a review nobody moves.
  void setCoachMode(CoachMode mode) { coachMode_ = mode; }
  CoachMode coachMode() const { return coachMode_; }
  // Runs a search of the coach's on the position shown (nothing while
  // another search runs): it plays no move, and the commands given meanwhile
  // run once it has returned.
  void coachSearch(const std::function<void()>& search);
  bool coachSearching() const { return coachSearching_; }
  // A running search of the coach's stops at its next time check.
  void stopCoachSearch();

  // ---- board editing ----
  // Starts editing from the position on the board (once no search runs);
  // the game is kept aside meanwhile and the engine does not move.
  void beginEditing();
  bool editing() const { return editing_; }
  BoardEditor& editor() { return editor_; }
  // The board shows the editor's position after a change (once a running
  // search of the coach's has stopped).
  void editChanged();

  // Ends editing. A position that is not playable keeps the edit going and
  // gives false with a language key in why (or, for what only the FEN
  // check finds, its reason prefixed by nothing). Otherwise the game goes
  // on as it was when the position is the one the edit began with, and a
  // new game starts from it when it is not (its FEN the start FEN).
  bool finishEditing(std::string& why, bool& whyIsKey);

 private:
  struct Kept;
  void clearReadings();
  void recordReading();
  void restoreReading(int n);
  // The game's state after a change (wasOver: what it was before); the view
  // hears of a reopened game.
  void followState(bool wasOver);
  void announce(int code, Mover autore);
  void runPending();
  bool takesSearchingSide(bool white, bool engine) const;
  void applyPlayer(bool white, bool engine);
  void applyNewGame();
  void applyGoToMove(int n);
  // After the game was replaced (a new game, a set-up, a load): the state
  // follows the new game, the clocks start from their base time.
  void replaced(bool keepPlayers);
  MadeMove lastMade(bool byEngine) const;
  // An end by resignation or agreement, standing while the board shows the
  // position it was reached in.
  enum class AgreedEnd { none, whiteResigned, blackResigned, drawAgreed };
  bool agreedEndShown() const;
  void endByAgreement(AgreedEnd end);
  // After the record grew or was cut: an end agreed earlier no longer holds.
  void dropAgreedEnd();

  GameView* view_ = nullptr;
  GameView none_;
  GameView& view() { return view_ ? *view_ : none_; }
  int result_ = 0;
  GameOverMessage overMessage_;
  AgreedEnd agreedEnd_ = AgreedEnd::none;
  int agreedAt_ = 0;     // the half-move the agreed end came after
  int playedMoves_ = 0;  // moves played since the game was set up or loaded
  bool dropMove_ = false;
  bool closing_ = false;
  CoachMode coachMode_ = CoachMode::none;
  bool coachSearching_ = false;
  std::vector<std::function<void()>> pending_;
  std::vector<ClockReading> readings_;          // entry k: after half-move k
  int levels_[2] = {fullLevel(), fullLevel()};  // White's, Black's

  // The game kept aside during an edit.
  bool editing_ = false;
  BoardEditor editor_;
  std::string editStartFen_;
  std::unique_ptr<Kept> kept_;
};

// Who the program is talking to: nobody yet, a person at the window, or a
// chess front end on standard input and output.
enum class InterfaceMode { undecided = 0, window = 1, frontEnd = 2 };
InterfaceMode interfaceMode();
void setInterfaceMode(InterfaceMode mode);

// Why a FEN text is not a playable position (empty when it is).
std::string positionProblem(const std::string& fen);
// The transposition table's size in kilobytes.
long long hashKilobytes();

// The program's one game session.
GameController& controllore();

// The name of a person playing that side: the settings' "giocatore", or
// the side's name ("White", "Black") in the current language when the
// settings leave it empty.
std::string humanName(bool white);

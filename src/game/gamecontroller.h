// The game session of the window: who plays which side, whose turn it is,
// the engine's turn, the clocks, game over, going to a move, taking moves
// back, and what a command does while a search runs. No toolkit: the window
// is one GameView among possible others, and tests drive the controller
// without a display.
//
// The controller works on the program's one game (the game record `partita`
// and record 0 of `posizioni`); it is the only code of the window layers
// that changes them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/position/game.h"
#include "engine/position/position.h"
#include "game/boardeditor.h"
#include "game/gameover.h"

// What the controller tells its view. Every call is a notice after the
// fact; the view reads the state it shows from the controller and the game
// record. All have empty defaults.
class GameView {
 public:
  virtual ~GameView() = default;
  // The position on the board changed (a move, a set-up, going to a move).
  virtual void boardChanged() {}
  // The moves of the game record or the shown half-move changed.
  virtual void movesChanged() {}
  // A player's name or engine flag changed.
  virtual void playersChanged() {}
  // The clocks were set (new game, set-up, time control, take back).
  virtual void clocksChanged() {}
  // A finished iteration of the engine's search for that side.
  virtual void thinkingLine(bool white, const std::string& line) {}
  // The engine has played its move for that side.
  virtual void engineMoved(bool white) {}
  // The game has just ended with this message (null key: no message).
  virtual void gameOver(const GameOverMessage& m) {}
  // A line for the status strip.
  virtual void status(const std::string& line) {}
};

// The clocks after a half-move (entry 0: at the start of the game).
struct ClockReading {
  int32_t white = 0;
  int32_t black = 0;
};

class GameController {
 public:
  // The view that shows this session (nullptr: none). A new view starts
  // with nothing pending and the session open again.
  void setView(GameView* view);

  // ---- state ----
  // An engine search is running (its nested event loop runs the commands).
  bool searching() const;
  bool enginePlays(bool white) const;
  bool whiteToMove() const;
  // The game has ended in the position on the board (a result code of
  // finepartita below zero); the engine does not move and the clocks stand.
  bool over() const { return result_ < 0; }
  int result() const { return result_; }
  // The board shows an earlier position than the game's last one: the
  // engine waits, so that browsing never cuts the recorded moves.
  bool reviewing() const;
  // The engine is to move now: not searching, not over, at the game's end.
  bool engineTurnDue() const;
  // The clock of the side to move is running (a move of the game has been
  // made or the engine was given the side to move, and the game goes on).
  bool clocksRunning() const;
  // What a clock shows: the time left, less the current move's time so far
  // for the side to move while its clock runs.
  int64_t shownClock(bool white) const;
  // The clocks recorded after half-move n (0 = the start), or the current
  // clocks when no reading was kept for it.
  ClockReading reading(int n) const;

  // ---- commands (each may be given while a search runs: it is then
  // carried out once the search has stopped, see below) ----
  // A new game from the standard position; the players stay as they are.
  void newGame();
  // Gives a side to the engine or to the human.
  void setPlayer(bool white, bool engine);
  // After the game record was replaced (a PGN game, a FEN set-up): the
  // state follows the new game, the clocks start from their base time.
  void gameReplaced();
  // Sets up a FEN position as a new game; false with the reason when it is
  // not a playable position (and nothing changes).
  bool setUpFen(const std::string& fen, std::string& why);
  // A human move on the position shown (a move code of mossavalida with its
  // promotion bits); false when it is not legal there.
  bool humanMove(uint32_t code);
  // The engine's search and move for the side to move (the tick calls it
  // when engineTurnDue).
  void engineTurn();
  // "move now": the running search stops at its next time check.
  void moveNow();
  // Shows the position after half-move n (0 = the start), keeping the
  // later moves recorded; the clocks return to their reading there.
  void goToMove(int n);
  // Takes back the last move shown: against the engine its reply and the
  // player's move, so that the player is to move again; with two humans
  // (or the engine on both sides) one half-move.
  void takeBack();
  void forward() { goToMove(shownMove() + 1); }
  void back() { goToMove(shownMove() - 1); }
  void first() { goToMove(0); }
  void last() { goToMove(recordedMoves()); }
  int shownMove() const;
  // The game's start: Black to move first (a set-up position), and the
  // number of its first move (the start FEN's move number, else 1).
  bool blackStarts() const;
  int startMoveNumber() const;
  // The position on the board as a complete FEN text, its move number
  // counted from the game's start.
  std::string currentFen() const;
  int recordedMoves() const;

  // A command given during a search: the search is asked to stop, and the
  // command runs once it has; dropMove keeps the engine from playing the
  // move that search found (the command replaces the game, or takes the
  // engine off the side it was searching for). Runs at once otherwise.
  void whenIdle(std::function<void()> command, bool dropMove);

  // The window is closing: a running search stops, its move is not played
  // and no command waits for it.
  void shutDown();

  // ---- board editing ----
  // Starts editing from the position on the board (once no search runs);
  // the game is kept aside meanwhile and the engine does not move.
  void beginEditing();
  bool editing() const { return editing_; }
  BoardEditor& editor() { return editor_; }
  // The board shows the editor's position after a change.
  void editChanged();

  // Ends editing. A position that is not playable keeps the edit going and
  // gives false with a language key in why (or, for what only the FEN
  // check finds, its reason prefixed by nothing). Otherwise the game goes
  // on as it was when the position is the one the edit began with, and a
  // new game starts from it when it is not (its FEN the start FEN).
  bool finishEditing(std::string& why, bool& whyIsKey);

 private:
  int halfmoveClock() const;
  void clearReadings();
  void recordReading();
  void restoreReading(int n);
  void updateResult();
  void announce(int code, Mover autore);
  void runPending();
  bool takesSearchingSide(bool white, bool engine) const;
  void applyPlayer(bool white, bool engine);
  void applyNewGame();
  void applyGoToMove(int n);

  GameView* view_ = nullptr;
  GameView none_;
  GameView& view() { return view_ ? *view_ : none_; }
  int result_ = 0;
  bool dropMove_ = false;
  bool closing_ = false;
  std::vector<std::function<void()>> pending_;
  std::vector<ClockReading> readings_;  // entry k: after half-move k

  // The game kept aside during an edit.
  bool editing_ = false;
  BoardEditor editor_;
  std::string editStartFen_;
  tpartita keptGame_;
  tposizione keptRoot_;
  uint32_t keptHistory_[STORICOSIZE] = {};
};

// The program's one game session.
GameController& controllore();

// The human player's name: the settings' "giocatore", or the language
// file's default name when the settings leave it empty.
std::string humanName();

// The game itself: the game record, the position on the board (record 0)
// and the repetition history. Outside the engine this is the only code that
// writes them: the window's controller, the protocols, the loaders and the
// command line change the game through these calls, so that a rule holds
// alike for a person, a front end and a file.
//
// The engine's search reads the same records and works on the records above
// record 0; a search is marked with SearchMark while it runs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/position/game.h"
#include "engine/position/position.h"
#include "records/gamenotes.h"

namespace game {

// ---- reading ----
const tpartita& record();
const tposizione& position();
bool whiteToMove();
// The position's FEN text, its move number counted from the game's start.
std::string fen();
// The game's first move: the start FEN's move number (else 1), and whether
// Black makes it.
int startMoveNumber();
bool blackStarts();

// ---- moves ----
// The legal move of the side to move between two squares with that
// promotion (one of MV_PROMO_Q, _N, _R, _B, or 0), or 0 when there is none.
// Legal means generated and not leaving the own king in check.
uint32_t legalMove(int from, int to, uint32_t promotion = 0);
// Whether the legal moves between those squares are promotions.
bool isPromotion(int from, int to);
// The squares the piece on `from` can reach with a legal move.
std::vector<int> targets(int from);
// Whether the move (17 bits) is legal in the position on the board.
bool isLegal(uint32_t move);

// Plays a legal move after the shown half-move (moves recorded beyond it
// are cut off). The result follows the new position: "*" while the game
// goes on. False, and nothing changes, when the move is not legal or the
// record is full.
bool play(uint32_t move);

// Plays a move a game file names, found legal by its reader (mossadatoken),
// as play does but without looking for the game's end after it: the file
// gives the result, and a long file is read move by move.
bool playFromFile(uint32_t move);

// The game's end as finepartita sees it in the position on the board (0
// while it goes on). An end found there is written into the record's
// result; otherwise the result stays (a loaded game's, while its moves are
// browsed).
int outcome();

// ---- whole-game changes ----
// The standard position as a new game. The players and their names are
// those nuovapartita gives; callers that keep theirs set them again. The
// notes of the game before (gamenotes.h) go with it.
void newGame();
// A playable FEN position (an empty text: the standard one) as a new game,
// both sides to the human, without the notes of the game before; false with the reason (and nothing changes)
// otherwise. The clocks start again from the base time.
bool setUp(std::string_view fen, std::string* why = nullptr);
// Shows the position after half-move n (0 = the start), keeping the moves
// recorded after it.
void goTo(int n);
// Takes the last `plies` recorded half-moves off the record; the result
// follows the position left ("*" while the game goes on).
void takeBack(int plies);
// Puts back a game saved with Snapshot.
struct Snapshot {
  tpartita record;
  tposizione root;
  uint32_t history[STORICOSIZE];
  GameNotes notes;
};
Snapshot save();
void restore(const Snapshot& s);

// ---- the session's fields of the record ----
void setEngineSides(bool white, bool black);
void setPlayerName(bool white, std::string_view name);
// Starts or stops the clocks of the game (a stopped clock is not charged).
void setClocksRunning(bool running);
void setClocks(int32_t white, int32_t black);
// The time control: base time, moves per control, increment (all as the
// record keeps them) and the kind (TC_MOVES, TC_GAME, TC_INCREMENT, ...).
void setTimeControl(int32_t base, int32_t movesPerControl, int32_t increment, int32_t kind, int32_t finalTime);
// The engine's hopeless count starts again (a new line of play).
void resetResignCount();
// The result the record carries ("1-0", "0-1", "1/2-1/2", "*"): for an end
// that no position shows, a resignation or an agreed draw.
void setResult(std::string_view result);

// Marks a search for the side to move while it exists: inricerca is 1 for
// White's, 2 for Black's, and 0 again afterwards.
class SearchMark {
 public:
  explicit SearchMark(bool white);
  ~SearchMark();
  SearchMark(const SearchMark&) = delete;
  SearchMark& operator=(const SearchMark&) = delete;
};

// The game leaves its opening: the book is not asked again in this game (as
// after a book move that was not legal here).
void leaveBook();

}  // namespace game

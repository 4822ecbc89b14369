// The review of a game: the engine scores every position of the game on
// the board, from the start to its last recorded move, each in a fixed time
// the player chooses, one position a step so that the window stays its
// own between them; then each move is marked by what it lost.
//
// A move's loss is the mover's score before it less the mover's score
// after it, in centipawns, with both scores first held within
// LOSS_SCORE_LIMIT (mates included): a move that keeps a won game won loses
// nothing, and one that throws a won game away loses at most twice the limit.
#pragma once

#include <string>
#include <vector>

#include "game/gamecontroller.h"

// The loss (centipawns) from which a move is dubious (?!), a mistake (?) or
// a blunder (??).
constexpr int DUBIOUS_LOSS = 50;
constexpr int MISTAKE_LOSS = 100;
constexpr int BLUNDER_LOSS = 200;
constexpr int LOSS_SCORE_LIMIT = 500;

// The time per position a review takes when the player leaves it as it
// is, and the times it accepts.
constexpr int REVIEW_TIME_MS = 1000;
constexpr int REVIEW_SHORTEST_MS = 100;
constexpr int REVIEW_LONGEST_MS = 5000;

// A position not scored yet.
constexpr int NOT_SCORED = 0x7fffffff;

enum class MoveMark { none, dubious, mistake, blunder };

// What the move lost for its mover, from White's scores before and after it.
int moveLoss(int whiteBefore, int whiteAfter, bool whiteMoved);
MoveMark markOf(int loss);
// The mark as a move's glyph ("?!", "?", "??"; empty for none) and as its
// PGN numeric annotation ("$6", "$2", "$4"; empty for none).
std::string glyphOf(MoveMark mark);
std::string nagOf(MoveMark mark);

class GameReview {
 public:
  // Begins a review of the game on the board; false (and nothing begins)
  // for a game without moves, or while a search runs or the board is edited.
  bool start(const GameController& game, int moveTimeMs);
  bool running() const { return running_; }

  // Scores the next position: the board goes to it (the view sees it) and
  // the engine searches it for the review's time. A search a command cut
  // short is done again at the next step. Once every position is scored,
  // the board goes back to the position it showed when the review began,
  // each move is marked, the scores and marks are written into the game's
  // notes (reviewnotes.h) and the review ends. It ends too, without marks,
  // once the game on the board is no longer the one it began with. True
  // while there is more to do.
  bool step(GameController& game);

  // Ends the review at the player's word: the running search stops, the
  // board goes back where it was, the scores so far stay and nothing is
  // marked.
  void stop(GameController& game);

  int scored() const;
  int positions() const { return static_cast<int>(scores_.size()); }
  // Entry k: the score of the position after half-move k (0: the start),
  // from White's side, or NOT_SCORED.
  const std::vector<int>& scores() const { return scores_; }
  // Entry k (from 1): the mark of half-move k; empty until the review is done.
  const std::vector<MoveMark>& marks() const { return marks_; }
  bool done() const { return !marks_.empty(); }
  // Whether the scores belong to the game on the board.
  bool matches(const GameController& game) const;

 private:
  void finish(GameController& game, bool complete);

  bool running_ = false;
  bool stopWanted_ = false;
  int moveTimeMs_ = REVIEW_TIME_MS;
  int next_ = 0;  // the position the next step scores
  int shownAtStart_ = 0;
  std::string startFen_;
  std::vector<std::string> moves_;  // the game's moves as the record writes them
  std::vector<int> scores_;
  std::vector<MoveMark> marks_;
};

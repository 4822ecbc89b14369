// The coach's one search: the engine's own iterative deepening on the
// position shown, run through the game controller so that it plays no move
// and the commands given meanwhile wait for its end. The hint, the analysis
// and the review all search through it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "game/boardtypes.h"
#include "game/gamecontroller.h"

// One finished iteration, as the coach shows it.
struct SearchReport {
  int depth = 0;
  int score = 0;                                       // centipawns from White's side (coachscore.h)
  bool whiteToMove = true;                             // in the position searched
  bool complete = true;                                // the iteration searched every root move (not cut by its time)
  int from = board::NO_SQUARE, to = board::NO_SQUARE;  // the best move
  std::string san;                                     // the best move in SAN, with its check mark
  std::string line;  // the expected line in SAN, numbered: "12. Nf3 d5 13. c4", "12... d5 13. c4"
  uint32_t elapsedMs = 0;
  int64_t nodes = 0;
  bool found() const { return depth > 0 && from != board::NO_SQUARE; }
};

struct CoachLimits {
  int moveTimeMs = 0;  // the search's time; 0: without end
  int depth = 0;       // the deepest iteration; 0: as deep as the time allows
  // A new iteration starts while less than moveTimeMs / timeDivisor has passed.
  int timeDivisor = 4;
};

// Searches the position shown for its side to move; each finished iteration
// goes to onReport. True when the search ended by itself (its time, its
// depth, a mate found, its deepest iteration), false when a command stopped
// it or it could not start (another search runs).
bool searchShown(GameController& game, const CoachLimits& limits,
                 const std::function<void(const SearchReport&)>& onReport);

// Whether the side to move of the position shown has a legal move.
bool hasLegalMove(const GameController& game);

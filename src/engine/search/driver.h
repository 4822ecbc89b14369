// The engine's move: iterative deepening over the root searches, one
// iteration per depth from 3, within the move's time or to a fixed depth.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "engine/search/levels.h"

struct Iteration {
  int depth;           // iteration depth searched
  int score;           // root score from White's point of view
  uint32_t elapsedMs;  // since the move's clock started
  int64_t nodes;       // full move-generator calls since the move began
  uint32_t best;       // the root search's move (17-bit)
};

struct SearchLimits {
  // A new iteration starts while the elapsed time is below
  // searchDeadline / timeDivisor + extraMs (4 for a front end, 5 in the window).
  int timeDivisor = 4;
  int extraMs = 10;
  // The deepest iteration to start (48 gives 49 at most).
  int maxDepth = 48;
  // A fixed-depth search ends once this iteration has been searched (0: none).
  int targetDepth = 0;
  // The root moves within this many centipawns of the best get exact
  // scores (rootMargin, searchstate.h); 0: the ordinary search.
  int rootMargin = 0;
  // The strength the engine plays its move at (pensamossa; levels.h).
  int level = FULLLEVEL;
};

// Searches record 0 for its side to move. The caller has set moveStart and
// searchDeadline; the generation and the principal-variation table are
// renewed here. onIteration sees each finished iteration.
uint32_t iterativeDeepening(const SearchLimits& limits, const std::function<void(const Iteration&)>& onIteration);

// The expected line after the first move, from the principal-variation
// table, at most maxMoves long (records 1.. are overwritten).
std::vector<uint32_t> principalVariation(uint32_t first, int maxMoves);

// Mate scores are beyond this (from either side).
constexpr int MATESCORE = 31000;

// The engine's choice for the side to move of record 0, the steps both the
// WinBoard mode and the window share: the searching flag, the book while the
// game is in its opening phase (a miss ends that phase), a new generation,
// the iterations, and the resignation count while the score stays hopeless.
// The caller sets moveStart and searchDeadline first and plays the move.
// Below the full level the search keeps to the level's depth and share of
// the time, and the move is chosen among the near-best root moves.
struct EngineChoice {
  uint32_t move = 0;
  bool fromBook = false;
  int score = 0;  // root score of the last iteration (White's point of view)
};
EngineChoice pensamossa(const SearchLimits& limits, const std::function<void(const Iteration&)>& onIteration);

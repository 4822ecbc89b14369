// The engine's strength levels, from a beginner's opponent to the full
// engine, each a setting of the search's own controls: a depth limit, a
// share of the move's time, and a choice among the root moves that score
// within a margin of the best (the better ones more often; the random
// generator decides, so a seeded run repeats itself). The full level is the
// engine as it is: no limit, no choice, the same nodes searched.
//
// The evaluation tables' noise is not one of the controls: the tables serve
// both sides of a game, and the position records carry scores made with
// them, so a level cannot change them for its own side alone.
#pragma once

#include <cstdint>
#include <span>

#include "engine/search/ordering.h"

struct StrengthLevel {
  const char* nameKey;  // the language key of its name
  int elo;              // the rating the level matches measured for it
  int depth;            // the deepest iteration (0: no limit)
  int clockPercent;     // the share of the move's time allowance it uses
  int marginCp;         // root moves this far below the best may be chosen (0: only the best)
};

constexpr int LEVELCOUNT = 6;
constexpr int FULLLEVEL = LEVELCOUNT - 1;
constexpr int WEAKESTLEVEL = 0;

// Weakest first. The ratings are those scripts/level-matches measured, to
// the nearest ten (the README's "Strength levels" gives the matches); they
// name a level and choose one for an Elo asked for, and play no part in the
// search.
inline constexpr StrengthLevel STRENGTHLEVELS[LEVELCOUNT] = {
    {"P_LEVELBEGINNER", 1300, 3, 100, 600}, {"P_LEVELNOVICE", 1490, 3, 100, 250}, {"P_LEVELCLUB", 1740, 4, 100, 100},
    {"P_LEVELSTRONG", 1860, 5, 100, 40},    {"P_LEVELEXPERT", 2030, 0, 12, 0},    {"P_LEVELFULL", 2140, 0, 100, 0},
};

// The level's settings (a level outside the table: the nearest one).
const StrengthLevel& strengthLevel(int level);
int clampLevel(int level);
// The level whose measured rating is nearest (a tie: the weaker one).
int levelForElo(int elo);

// The move to play from the root moves of a completed iteration whose
// scores are exact (White's point of view; illegal moves hold a score beyond
// any mate): each move within the margin of the best score gets a random
// bonus below the margin, and the highest total wins. A mate found is
// always played. 0 when no move is legal.
uint32_t nearBestMove(std::span<const RootScore> scores, bool white, int marginCp);

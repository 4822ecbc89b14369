#include "game/coachscore.h"

#include <algorithm>
#include <cstdlib>

#include "engine/search/driver.h"

static_assert(COACH_MATE_SCORE == MATESCORE, "the coach reads mates where the engine writes them");

namespace {

// A mate at ply p of the line scores 32000 - p/2 for the mating side.
constexpr int MATE_AT_ROOT = 32000;

// Hundredths as a decimal text with two places and no sign.
std::string hundredths(int value) {
  const int whole = value / 100, cents = value % 100;
  return std::to_string(whole) + (cents < 10 ? ".0" : ".") + std::to_string(cents);
}

}  // namespace

int movesToMate(int whiteScore, bool whiteToMove) {
  const int own = whiteToMove ? whiteScore : -whiteScore;
  int moves = 0;
  // The mover's mating move falls on an odd ply of the line, the mated
  // mover's last on an even one: the two counts differ by one.
  if (own > COACH_MATE_SCORE) moves = MATE_AT_ROOT + 1 - own;
  if (own < -COACH_MATE_SCORE) moves = -std::max(1, MATE_AT_ROOT + own);
  return whiteToMove ? moves : -moves;
}

std::string pawnsText(int whiteScore, bool whiteToMove) {
  if (const int mate = movesToMate(whiteScore, whiteToMove)) return "#" + std::to_string(mate);
  if (whiteScore == 0) return "0.00";
  return (whiteScore > 0 ? "+" : "-") + hundredths(std::abs(whiteScore));
}

std::string evalCommand(int whiteScore, bool whiteToMove) {
  std::string value;
  if (const int mate = movesToMate(whiteScore, whiteToMove)) {
    value = "#" + std::to_string(mate);
  } else {
    // The form game sites write: no plus sign, no trailing zero.
    value = (whiteScore < 0 ? "-" : "") + hundredths(std::abs(whiteScore));
    if (value.back() == '0') value.pop_back();
  }
  return "[%eval " + value + "]";
}

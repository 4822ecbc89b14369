#include "game/coachsearch.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "engine/position/position.h"
#include "engine/search/clock.h"
#include "engine/search/driver.h"
#include "engine/search/searchstate.h"
#include "engine/toolkit.h"
#include "game/game.h"
#include "records/notation.h"

namespace {

// A search without end waits for a command, as an xboard analysis does.
constexpr int32_t NO_DEADLINE = 0x7fffffff;
// Moves of the expected line shown after the best move, at most.
constexpr int MOST_LINE_MOVES = 12;

// The full-move number of the position shown, the last field of its FEN.
int moveNumberShown() {
  const std::string fen = game::fen();
  const size_t blank = fen.rfind(' ');
  return blank == std::string::npos ? 1 : std::max(1, std::atoi(fen.c_str() + blank + 1));
}

SearchReport reportOf(const Iteration& it, bool whiteToMove) {
  SearchReport r;
  r.depth = it.depth;
  r.score = it.score;
  r.whiteToMove = whiteToMove;
  r.complete = stopSearch == 0;
  r.elapsedMs = it.elapsedMs;
  r.nodes = it.nodes;
  if (!it.best) return r;
  r.from = mvFrom(it.best);
  r.to = mvTo(it.best);
  r.san = sanWithCheckMark(it.best, 0);
  // Move k of the line was made from record k + 1 (the best move from record 0).
  const std::vector<uint32_t> rest = principalVariation(it.best, std::min(it.depth - 1, MOST_LINE_MOVES));
  int number = moveNumberShown();
  bool white = whiteToMove;
  r.line = std::to_string(number) + (white ? ". " : "... ") + r.san;
  for (size_t k = 0; k < rest.size(); ++k) {
    if (!white) ++number;
    white = !white;
    r.line += white ? " " + std::to_string(number) + ". " : std::string(" ");
    r.line += sanWithCheckMark(rest[k], static_cast<int>(k) + 1);
  }
  return r;
}

}  // namespace

bool searchShown(GameController& game, const CoachLimits& limits,
                 const std::function<void(const SearchReport&)>& onReport) {
  const int32_t deadline = limits.moveTimeMs > 0 ? limits.moveTimeMs : NO_DEADLINE;
  bool ended = false;
  game.coachSearch([&] {
    moveStart = adesso();
    clockNow = moveStart;
    searchDeadline = deadline;
    SearchLimits s;
    s.timeDivisor = limits.timeDivisor;
    if (limits.depth > 0) s.targetDepth = limits.depth;
    const bool white = game::whiteToMove();
    iterativeDeepening(s, [&](const Iteration& it) {
      if (onReport) onReport(reportOf(it, white));
    });
    // Only a command moves the deadline (to 1 ms).
    ended = searchDeadline == deadline;
  });
  return ended;
}

bool hasLegalMove(const GameController& game) {
  for (int s = 0; s < board::SQUARES; ++s) {
    const int8_t piece = game.pieceAt(s);
    if (piece != board::EMPTY && (piece > 0) == game.whiteToMove() && !game.targets(s).empty()) return true;
  }
  return false;
}

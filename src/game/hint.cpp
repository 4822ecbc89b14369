#include "game/hint.h"

std::optional<SearchReport> findHint(GameController& game, int moveTimeMs, int depth) {
  if (game.searching() || !hasLegalMove(game)) return std::nullopt;
  SearchReport best;
  CoachLimits limits;
  limits.moveTimeMs = moveTimeMs;
  limits.depth = depth;
  searchShown(game, limits, [&best](const SearchReport& r) {
    // An iteration cut by the time keeps the move it had searched first,
    // the previous best: the last complete one speaks for the search.
    if (r.found() && (r.complete || !best.found())) best = r;
  });
  if (!best.found()) return std::nullopt;
  return best;
}

#include "game/analysis.h"

void Analysis::setOn(GameController& game, bool on) {
  on_ = on;
  doneFen_.clear();
  if (!on) game.stopCoachSearch();
}

bool Analysis::due(const GameController& game) const {
  if (!on_ || game.searching()) return false;
  const std::string fen = game.currentFen();
  // A board being edited may show no playable position yet.
  return fen != doneFen_ && positionProblem(fen).empty();
}

void Analysis::run(GameController& game, const std::function<void()>& onReport) {
  if (!due(game)) return;
  const std::string fen = game.currentFen();
  if (!hasLegalMove(game)) {
    doneFen_ = fen;
    return;
  }
  // The same position searched again (a click on the board stops and
  // restarts the search) keeps its report until the new search goes deeper.
  if (fen != reportFen_) report_ = SearchReport{};
  reportFen_ = fen;
  const bool ended = searchShown(game, CoachLimits{}, [&](const SearchReport& r) {
    // An iteration cut by a stop has not weighed every move.
    if (!r.found() || !r.complete || r.depth < report_.depth) return;
    report_ = r;
    if (onReport) onReport();
  });
  if (ended) doneFen_ = fen;
}

const SearchReport* Analysis::latest(const GameController& game) const {
  if (!report_.found() || reportFen_ != game.currentFen()) return nullptr;
  return &report_;
}

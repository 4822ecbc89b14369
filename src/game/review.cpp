#include "game/review.h"

#include <algorithm>

#include "engine/position/game.h"
#include "game/coachscore.h"
#include "game/coachsearch.h"
#include "game/reviewnotes.h"

namespace {

// The score of a mated position, beyond every mate the search reports
// (a mate in one scores 32000).
constexpr int MATED = 32001;

// The review spends about its time on each position: a new iteration
// starts while less than half of it has passed.
constexpr int REVIEW_TIME_DIVISOR = 2;

// Half-move k was White's when an even number of half-moves came before it
// in a game White began, or an odd number in one Black began.
bool whiteMade(int k, bool blackStarts) { return ((k - 1) % 2 == 0) != blackStarts; }

}  // namespace

int moveLoss(int whiteBefore, int whiteAfter, bool whiteMoved) {
  const int before = std::clamp(whiteBefore, -LOSS_SCORE_LIMIT, LOSS_SCORE_LIMIT);
  const int after = std::clamp(whiteAfter, -LOSS_SCORE_LIMIT, LOSS_SCORE_LIMIT);
  const int loss = whiteMoved ? before - after : after - before;
  return std::max(loss, 0);
}

MoveMark markOf(int loss) {
  if (loss >= BLUNDER_LOSS) return MoveMark::blunder;
  if (loss >= MISTAKE_LOSS) return MoveMark::mistake;
  if (loss >= DUBIOUS_LOSS) return MoveMark::dubious;
  return MoveMark::none;
}

std::string glyphOf(MoveMark mark) {
  switch (mark) {
    case MoveMark::dubious: return "?!";
    case MoveMark::mistake: return "?";
    case MoveMark::blunder: return "??";
    case MoveMark::none: break;
  }
  return {};
}

std::string nagOf(MoveMark mark) {
  switch (mark) {
    case MoveMark::dubious: return "$6";
    case MoveMark::mistake: return "$2";
    case MoveMark::blunder: return "$4";
    case MoveMark::none: break;
  }
  return {};
}

bool GameReview::start(const GameController& game, int moveTimeMs) {
  if (running_ || game.searching() || game.editing() || game.recordedMoves() == 0) return false;
  running_ = true;
  stopWanted_ = false;
  moveTimeMs_ = std::clamp(moveTimeMs, REVIEW_SHORTEST_MS, REVIEW_LONGEST_MS);
  next_ = 0;
  shownAtStart_ = game.shownMove();
  startFen_ = game.startFen();
  moves_.clear();
  for (int k = 1; k <= game.recordedMoves(); ++k) moves_.push_back(game.moveText(k));
  scores_.assign(moves_.size() + 1, NOT_SCORED);
  marks_.clear();
  return true;
}

bool GameReview::matches(const GameController& game) const {
  if (game.startFen() != startFen_ || game.recordedMoves() != static_cast<int>(moves_.size())) return false;
  for (size_t k = 0; k < moves_.size(); ++k)
    if (game.moveText(static_cast<int>(k) + 1) != moves_[k]) return false;
  return true;
}

int GameReview::scored() const {
  return static_cast<int>(std::count_if(scores_.begin(), scores_.end(), [](int s) { return s != NOT_SCORED; }));
}

bool GameReview::step(GameController& game) {
  if (!running_) return false;
  if (!matches(game) || game.editing()) {
    // The game was replaced or is being edited: there is nothing to mark.
    running_ = false;
    return false;
  }
  if (game.searching()) return true;
  game.goToMove(next_);
  int score = NOT_SCORED;
  if (game.result() == GAME_MATE) {
    score = game.whiteToMove() ? -MATED : MATED;
  } else if (game.result() < 0) {
    // Stalemate, or a draw the rules declare: nothing to search.
    score = 0;
  } else {
    CoachLimits limits;
    limits.moveTimeMs = moveTimeMs_;
    limits.timeDivisor = REVIEW_TIME_DIVISOR;
    int found = NOT_SCORED;
    const bool ended = searchShown(game, limits, [&found](const SearchReport& r) {
      // An iteration its time cut short has not weighed every move.
      if (r.complete || found == NOT_SCORED) found = r.score;
    });
    if (ended) score = found;
  }
  if (stopWanted_) {
    finish(game, false);
    return false;
  }
  if (score == NOT_SCORED) return true;
  scores_[static_cast<size_t>(next_)] = score;
  if (++next_ < positions()) return true;
  finish(game, true);
  return false;
}

void GameReview::stop(GameController& game) {
  if (!running_) return;
  stopWanted_ = true;
  // Inside the step's search the step ends the review once it returns.
  if (game.coachSearching())
    game.stopCoachSearch();
  else
    finish(game, false);
}

void GameReview::finish(GameController& game, bool complete) {
  running_ = false;
  if (!matches(game)) return;
  game.goToMove(shownAtStart_);
  if (!complete) return;
  const bool blackStarts = game.blackStarts();
  marks_.assign(scores_.size(), MoveMark::none);
  std::vector<ReviewNote> notes(scores_.size());
  for (size_t k = 1; k < scores_.size(); ++k) {
    const bool white = whiteMade(static_cast<int>(k), blackStarts);
    marks_[k] = markOf(moveLoss(scores_[k - 1], scores_[k], white));
    notes[k].nag = nagOf(marks_[k]);
    // A mate on the board needs no score: the result says it.
    if (std::abs(scores_[k]) != MATED) notes[k].comment = evalCommand(scores_[k], !white);
  }
  writeReviewNotes(notes);
}

#include "engine/search/driver.h"

#include "engine/host.h"
#include "engine/position/makemove.h"
#include "engine/position/position.h"
#include "engine/search/cache.h"
#include "engine/search/clock.h"
#include "engine/search/levels.h"
#include "engine/search/ordering.h"
#include "engine/search/search.h"
#include "engine/search/searchstate.h"

uint32_t iterativeDeepening(const SearchLimits& limits, const std::function<void(const Iteration&)>& onIteration) {
  const bool white = posizioni[0].side == WHITE;
  partita.inricerca = white ? 1 : 2;
  genCalls = 0;
  iterationDepth = 2;
  reducedAtDepth = 0;
  newSearchGeneration();
  rootMargin = limits.rootMargin;
  uint32_t best = 0;
  // A root reduction repeats a depth; a fixed-depth search still ends.
  int iterations = 0;
  const int maxIterations = limits.targetDepth > 0 ? 3 * limits.targetDepth + 3 : 1000;
  for (;;) {
    ++iterationDepth;
    ++iterations;
    const uint32_t m = white ? cercabianco() : cercanero();
    if (m) best = m;
    sampleClock();
    const int score = white ? whiteBound[1] : blackBound[1];
    if (onIteration) onIteration(Iteration{iterationDepth, score, elapsedMs(), genCalls, m});
    if (limits.targetDepth > 0 && (iterationDepth >= limits.targetDepth || iterations >= maxIterations)) break;
    const int64_t allowance = static_cast<int64_t>(searchDeadline) / limits.timeDivisor + limits.extraMs;
    if (!(static_cast<int64_t>(elapsedMs()) < allowance)) break;
    if (iterationDepth > limits.maxDepth) break;
    if (white ? score >= 31001 : score < -31000) break;
  }
  rootMargin = 0;
  partita.inricerca = 0;
  return best;
}

std::vector<uint32_t> principalVariation(uint32_t first, int maxMoves) {
  std::vector<uint32_t> line;
  ply = 1;
  if (!first || !eseguimossa(first, 32100)) return line;
  for (int k = 0; k < maxMoves && ply + 1 < MAXPLY; ++k) {
    ++ply;
    if (!probePvMove()) break;
    const uint32_t next = hashMove;  // make-move's table probe overwrites hashMove
    if (!eseguimossa(next, 32100)) break;
    line.push_back(next);
  }
  ply = 1;
  return line;
}

namespace {

// The search at a level below the full one: its depth, its share of the
// time, exact scores for the root moves near the best, and the move chosen
// among the near-best of the last iteration searched to its end (the
// search's own move when none was).
uint32_t moveAtLevel(const SearchLimits& given, const std::function<void(const Iteration&)>& onIteration) {
  const StrengthLevel& level = strengthLevel(given.level);
  SearchLimits limits = given;
  if (level.depth > 0 && (limits.targetDepth == 0 || limits.targetDepth > level.depth))
    limits.targetDepth = level.depth;
  limits.rootMargin = level.marginCp;
  searchDeadline = static_cast<int32_t>(static_cast<int64_t>(searchDeadline) * level.clockPercent / 100);
  if (searchDeadline < 1) searchDeadline = 1;
  std::vector<RootScore> scores;
  const uint32_t searched = iterativeDeepening(limits, [&](const Iteration& it) {
    if (!stopSearch) scores.assign(rootScores + 1, rootScores + 1 + moveCount[1]);
    if (onIteration) onIteration(it);
  });
  if (level.marginCp <= 0 || scores.empty()) return searched;
  const uint32_t chosen = nearBestMove(scores, posizioni[0].side == WHITE, level.marginCp);
  return chosen ? chosen : searched;
}

}  // namespace

EngineChoice pensamossa(const SearchLimits& limits, const std::function<void(const Iteration&)>& onIteration) {
  EngineChoice choice;
  const bool white = posizioni[0].side == WHITE;
  partita.inricerca = white ? 1 : 2;
  genCalls = 0;
  if (posizioni[0].phase == 1) {
    choice.move = engineHost().bookMove();
    if (!choice.move) posizioni[0].phase = 2;  // the book is not asked again in this game
  }
  if (choice.move) {
    choice.fromBook = true;
    newSearchGeneration();
    partita.inricerca = 0;
    return choice;
  }
  int lastScore = 0;
  if (limits.level >= FULLLEVEL) {
    choice.move = iterativeDeepening(limits, [&](const Iteration& it) {
      lastScore = it.score;
      if (onIteration) onIteration(it);
    });
  } else {
    choice.move = moveAtLevel(limits, [&](const Iteration& it) {
      lastScore = it.score;
      if (onIteration) onIteration(it);
    });
  }
  choice.score = lastScore;
  if (white ? (lastScore < -900 && lastScore > -30000) : (lastScore > 900 && lastScore < 30000)) ++partita.resigncount;
  return choice;
}

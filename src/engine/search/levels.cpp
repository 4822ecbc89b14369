#include "engine/search/levels.h"

#include <cstdlib>

#include "engine/search/driver.h"
#include "engine/toolkit.h"

namespace {

// Scores of illegal root moves lie beyond this.
constexpr int ILLEGALSCORE = 100000;

}  // namespace

int clampLevel(int level) { return level < WEAKESTLEVEL ? WEAKESTLEVEL : level > FULLLEVEL ? FULLLEVEL : level; }

const StrengthLevel& strengthLevel(int level) { return STRENGTHLEVELS[clampLevel(level)]; }

int levelForElo(int elo) {
  int best = WEAKESTLEVEL;
  for (int k = WEAKESTLEVEL + 1; k < LEVELCOUNT; ++k)
    if (std::abs(elo - STRENGTHLEVELS[k].elo) < std::abs(elo - STRENGTHLEVELS[best].elo)) best = k;
  return best;
}

uint32_t nearBestMove(std::span<const RootScore> scores, bool white, int marginCp) {
  // Scores from the mover's side, so that higher is better for both colours.
  auto own = [white](const RootScore& s) { return white ? s.score : -s.score; };
  const RootScore* best = nullptr;
  for (const RootScore& s : scores)
    if (s.move && own(s) > -ILLEGALSCORE && (!best || own(s) > own(*best))) best = &s;
  if (!best) return 0;
  if (marginCp <= 0 || own(*best) > MATESCORE) return best->move;
  uint32_t chosen = best->move;
  int chosenTotal = own(*best) + casuale(marginCp);
  for (const RootScore& s : scores) {
    if (&s == best || !s.move || own(s) < own(*best) - marginCp) continue;
    const int total = own(s) + casuale(marginCp);
    if (total > chosenTotal) {
      chosen = s.move;
      chosenTotal = total;
    }
  }
  return chosen;
}

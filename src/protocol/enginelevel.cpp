#include "protocol/enginelevel.h"

#include "engine/search/levels.h"
#include "protocol/numbers.h"

namespace {

int skill = FULLLEVEL;
bool limited = false;
int elo = STRENGTHLEVELS[FULLLEVEL].elo;

constexpr std::string_view SKILLNAME = "Skill Level";

}  // namespace

int frontEndLevel() {
  const int byElo = limited ? levelForElo(elo) : FULLLEVEL;
  return byElo < skill ? byElo : skill;
}

void setSkillLevel(int level) { skill = clampLevel(level); }

void setLimitStrength(bool limit) { limited = limit; }

void setLimitElo(int value) { elo = value; }

void resetFrontEndLevel() {
  skill = FULLLEVEL;
  limited = false;
  elo = STRENGTHLEVELS[FULLLEVEL].elo;
}

bool setXboardOption(std::string_view nameAndValue) {
  const size_t equals = nameAndValue.find('=');
  if (equals == std::string_view::npos || nameAndValue.substr(0, equals) != SKILLNAME) return false;
  int64_t level = 0;
  if (!boundedInteger(nameAndValue.substr(equals + 1), WEAKESTLEVEL, FULLLEVEL, level)) return false;
  setSkillLevel(static_cast<int>(level));
  return true;
}

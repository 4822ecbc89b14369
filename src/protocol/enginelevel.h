// The strength a front end asks of the engine: UCI's "Skill Level",
// "UCI_LimitStrength" and "UCI_Elo" options and xboard's "Skill Level"
// option set it; both protocols play their game moves at it. Until a front
// end asks, the engine plays at full strength.
#pragma once

#include <string_view>

// The level the engine's game moves are played at (levels.h): the skill
// level, or the level nearest the Elo asked for while strength is limited,
// whichever is weaker.
int frontEndLevel();
void setSkillLevel(int level);
void setLimitStrength(bool limit);
void setLimitElo(int elo);
// Back to full strength (a new process's state; tests).
void resetFrontEndLevel();

// xboard's "option NAME=VALUE" (the feature line offers "Skill Level"):
// false when the name is not an option of the engine or the value is not a
// number.
bool setXboardOption(std::string_view nameAndValue);

// The controller's strength levels: the engine's table (levels.h) seen
// through the session, for a window that may not see the engine.
#include "engine/search/levels.h"
#include "game/gamecontroller.h"
#include "settings/language.h"

int GameController::levelCount() { return LEVELCOUNT; }

void GameController::setEngineLevel(bool white, int level) {
  levels_[white ? 0 : 1] = clampLevel(level);
  view().playersChanged();
}

std::string GameController::levelName(int level) { return testo(strengthLevel(level).nameKey); }

int GameController::levelElo(int level) { return strengthLevel(level).elo; }

#include "app/startup.h"

#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/geometry.h"
#include "engine/position/position.h"
#include "engine/search/cache.h"
#include "engine/search/clock.h"
#include "engine/search/evaltables.h"
#include "engine/toolkit.h"
#include "game/game.h"
#include "records/book.h"
#include "settings/folders.h"
#include "settings/language.h"
#include "settings/manageini.h"

namespace {
// Five minutes for the whole game until the user or a front end sets a control.
constexpr int32_t STARTTIME = 300000;
}  // namespace

void avviaprogramma(const char* argv0) {
  setUpFolders(argv0);
  seedRandomFromClock();
  geometria();
  initHashKeys();
  caricaimpostazioni();
  if (hashEntries() <= 1) setHashLevel(HASH_DEFAULT_LEVEL);
  clearPvTable();
  caricabook();
  caricalinguaavvio();
  game::setTimeControl(STARTTIME, 0, 0, TC_GAME, 0);
  buildEvalTables(3);
  game::newGame();
  modointerfaccia = 0;
}

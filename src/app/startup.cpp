#include "app/startup.h"

#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/geometry.h"
#include "engine/position/position.h"
#include "engine/search/cache.h"
#include "engine/search/clock.h"
#include "engine/search/evaltables.h"
#include "engine/toolkit.h"
#include "records/book.h"
#include "settings/folders.h"
#include "settings/language.h"
#include "settings/manageini.h"

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
  partita.tempoBase = 300000;
  partita.modoTempo = TC_GAME;
  buildEvalTables(3);
  nuovapartita();
  modointerfaccia = 0;
}

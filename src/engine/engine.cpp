#include "engine/engine.h"

#include "engine/position/fen.h"
#include "engine/position/geometry.h"
#include "engine/position/position.h"
#include "engine/search/cache.h"
#include "engine/search/evaltables.h"

void initialiseEngine(int evalNoiseLevel) {
  geometria();
  initHashKeys();
  if (hashEntries() <= 1) setHashLevel(HASH_DEFAULT_LEVEL);
  clearPvTable();
  partita.tempoBase = 300000;
  partita.modoTempo = 2;
  buildEvalTables(evalNoiseLevel);
  nuovapartita();
}

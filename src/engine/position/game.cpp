#include "engine/position/game.h"

uint32_t storico[STORICOSIZE];

void cancellastorico() {
  for (uint32_t& e : storico) e = 0;
}

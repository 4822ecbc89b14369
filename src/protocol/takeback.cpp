#include "protocol/takeback.h"

#include "engine/position/game.h"
#include "engine/position/position.h"

void takeBack(int plies) {
  tpartita& g = partita;
  const uint8_t white = g.motorebianco, black = g.motorenero;
  const int keep = plies >= g.count ? 0 : g.count - plies;
  // Replaying from the start rebuilds the repetition history as well.
  rigiocapartita(keep);
  for (int i = keep; i < g.count && i < MAXGAMEMOVES; ++i) {
    g.moves[i] = 0;
    g.movetext[i].clear();
  }
  g.count = keep;
  g.current = keep;
  // The position set-up hands the engine no side; it keeps the ones it had.
  g.motorebianco = white;
  g.motorenero = black;
}

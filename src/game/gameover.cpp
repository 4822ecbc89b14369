#include "game/gameover.h"

#include "engine/position/game.h"

GameOverMessage gameOverMessage(int result, Mover mover, bool whiteToMove) {
  GameOverMessage m;
  switch (result) {
    case GAME_STALEMATE: m.key = "LSTALLO"; break;
    case GAME_REPETITION: m.key = "L3X"; break;
    case GAME_FIFTY: m.key = "L50MOSSE"; break;
    case GAME_MATE:
      if (mover == Mover::WhiteEngine)
        m.key = "LMATTOB";
      else if (mover == Mover::BlackEngine)
        m.key = "LMATTON";
      else
        m.key = whiteToMove ? "LMATTON" : "LMATTOB";
      break;
    case GAME_RESIGN:
      m.memo = 2;
      if (mover == Mover::WhiteEngine)
        m.key = "LABBANDONAB";
      else if (mover == Mover::BlackEngine)
        m.key = "LABBANDONAN";
      break;
    default: break;
  }
  return m;
}

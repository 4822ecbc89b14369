#include "game/gameover.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/position/game.h"

namespace {

TEST(GameOverMessage, KeysAndMemosOfEachResult) {
  struct Caso {
    int r;
    Mover a;
    bool biancoamuovere;
    const char* chiave;
    int memo;
  };
  const Caso casi[] = {
      {GAME_STALEMATE, Mover::WhiteEngine, false, "LSTALLO", 1},
      {GAME_STALEMATE, Mover::Human, true, "LSTALLO", 1},
      {GAME_MATE, Mover::WhiteEngine, false, "LMATTOB", 1},
      {GAME_MATE, Mover::BlackEngine, true, "LMATTON", 1},
      {GAME_MATE, Mover::Human, true, "LMATTON", 1},
      {GAME_MATE, Mover::Human, false, "LMATTOB", 1},
      {GAME_REPETITION, Mover::BlackEngine, true, "L3X", 1},
      {GAME_FIFTY, Mover::Human, false, "L50MOSSE", 1},
      {GAME_RESIGN, Mover::WhiteEngine, false, "LABBANDONAB", 2},
      {GAME_RESIGN, Mover::BlackEngine, true, "LABBANDONAN", 2},
      {GAME_RESIGN, Mover::Human, true, nullptr, 0},
      {GAME_MATERIAL, Mover::WhiteEngine, false, nullptr, 0},
      {GAME_MATERIAL, Mover::Human, false, nullptr, 0},
      {GAME_ON, Mover::WhiteEngine, false, nullptr, 0},
  };
  for (const Caso& c : casi) {
    const GameOverMessage m = gameOverMessage(c.r, c.a, c.biancoamuovere);
    SCOPED_TRACE(std::to_string(c.r));
    if (!c.chiave) {
      EXPECT_EQ(m.key, nullptr);
      continue;
    }
    ASSERT_NE(m.key, nullptr);
    EXPECT_STREQ(m.key, c.chiave);
    EXPECT_EQ(m.memo, c.memo);
  }
}

}  // namespace

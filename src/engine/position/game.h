// The game itself: playing moves onto record 0, the repetition history and
// the end-of-game rules.
#pragma once

#include <cstdint>

constexpr int STORICOSIZE = 200;
// Entry i: hashcheck of the game position whose halfmoves counter was i+1.
extern uint32_t storico[STORICOSIZE];

void cancellastorico();

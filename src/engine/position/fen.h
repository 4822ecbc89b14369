// Setting up the root position from FEN text, and the new-game reset.
#pragma once

#include <string_view>

// Build record 0 from a FEN text; with newgame also reset the game record.
// Nothing is rejected: malformed text gives whatever the fields yield, but
// the board and the piece lists are never written past.
void impostafen(std::string_view text, bool newgame);

// The standard position as a new game, White human, the engine Black.
void nuovapartita();

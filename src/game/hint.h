// The hint: the engine's suggested move for the side to move of the
// position shown, found by a short search of the coach's, never played.
#pragma once

#include <optional>

#include "game/coachsearch.h"

// How long a hint searches when the player asks for one.
constexpr int HINT_TIME_MS = 1000;

// The engine's best move in the position shown after moveTimeMs (or, with
// depth, once that iteration is done; moveTimeMs 0 then leaves the time
// open). Nothing when the side to move has no move, another search runs or
// a command stopped the search before its first iteration ended; a command
// that stops it later leaves the best move found so far, and the caller
// looks whether the position is still the one it asked about.
std::optional<SearchReport> findHint(GameController& game, int moveTimeMs, int depth = 0);

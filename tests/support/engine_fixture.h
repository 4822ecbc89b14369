// Shared set-up for engine tests: tables built once, evaluation noise 0.
#pragma once

#include <string>

#include "engine/position/position.h"

namespace zeftest {

void initialiseEngineOnce();
// Set up a FEN as a new game (record 0 is the root, ply 0).
void setUp(const std::string& fen);
// Square index from its name ("e4").
int sq(const char* name);

}  // namespace zeftest

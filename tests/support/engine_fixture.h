// Shared set-up for engine tests: tables built once, evaluation noise 0.
#pragma once

#include <string>
#include <vector>

#include "engine/position/position.h"

namespace zeftest {

void initialiseEngineOnce();
// Set up a FEN as a new game (record 0 is the root, ply 0).
void setUp(const std::string& fen);
// Square index from its name ("e4").
int sq(const char* name);

}  // namespace zeftest

namespace zeftest {
// Generated moves of record 0 (ply 1, no hash move, no ordering pass).
std::vector<uint32_t> rootMoves();
// The generated move from-to (coordinate text such as "e2e4" or "e7e8n"), or 0.
uint32_t findMove(const std::string& coord);
// Make a generated move from record 0 into record 1 (ply 1); false when illegal or absent.
bool makeRoot(const std::string& coord, int bound = 32100);
}  // namespace zeftest

namespace zeftest {
// A file name in the temporary folder that no other test process uses.
std::string tempPath(const std::string& name);
}  // namespace zeftest

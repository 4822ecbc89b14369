// One-time start-up of the engine's tables, in the order the program needs them.
#pragma once

// Geometry, keys, the default transposition table, the evaluation tables
// with the given noise, and a new game.
void initialiseEngine(int evalNoiseLevel);

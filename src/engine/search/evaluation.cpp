// Placeholder evaluation: material only, until the full evaluation lands.
#include "engine/search/evaluation.h"

PawnEntry pawnEntries[MAXPLY];
int32_t evalCalls = 0;

void evaluatePawns() {}  // filled by the evaluation work

int evaluateFull(int) { return posizioni[ply].material; }  // filled by the evaluation work

int evaluatePawnEnding(int atPly) { return posizioni[atPly].material; }  // filled by the evaluation work

void recogniseEnding() {}  // filled by the evaluation work

#include "engine/search/searchstate.h"

int32_t nodeScore[MAXPLY];
int32_t whiteBound[MAXPLY];
int32_t blackBound[MAXPLY];
int32_t legalCount[MAXPLY];
uint32_t bestMove[MAXPLY];
uint8_t exactFlag[MAXPLY];
int32_t moveCount[MAXPLY];
int32_t futilityScore[MAXPLY];
uint8_t futilityFlag[MAXPLY];
uint16_t cutoffMoves[MAXPLY][3];
uint16_t quietCutoffMoves[MAXPLY][3];
int32_t iterationDepth;
int32_t searchDeadline;
uint8_t stopSearch;
int32_t reducedAtDepth;
int32_t rootMargin = 0;
int32_t genCalls;
int32_t genCallsInCheck;
int32_t genCallsOutOfCheck;
int32_t movesGenerated;

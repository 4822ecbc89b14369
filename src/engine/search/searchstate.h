// Per-ply arrays and globals of the search, shared by the generators'
// ordering passes, make-move's cut-off and extension steps, quiescence and
// the root searches. Index p is the node at ply p (it looks at record p-1).
#pragma once

#include <cstdint>

#include "engine/position/position.h"

extern int32_t nodeScore[MAXPLY];
extern int32_t whiteBound[MAXPLY];
extern int32_t blackBound[MAXPLY];
extern int32_t legalCount[MAXPLY];
extern uint32_t bestMove[MAXPLY];
extern uint8_t exactFlag[MAXPLY];
extern int32_t moveCount[MAXPLY];
// Set by the futility pass of the generators: the parent's score and a flag.
extern int32_t futilityScore[MAXPLY];
extern uint8_t futilityFlag[MAXPLY];

// Killer tables: row p-1 for the node at ply p, most recent first, 12-bit from-to.
extern uint16_t cutoffMoves[MAXPLY][3];
extern uint16_t quietCutoffMoves[MAXPLY][3];

extern int32_t iterationDepth;  // nominal depth of the current iteration
extern int32_t searchDeadline;  // ms since moveStart
extern uint8_t stopSearch;
extern int32_t reducedAtDepth;
// Above 0: every root move is searched in a window that reaches this many
// centipawns below the best score so far, so that the moves scoring within
// it get exact scores, not bounds (the strength levels choose among them).
// The search is otherwise the same; 0, for the full engine, keeps the
// ordinary window.
extern int32_t rootMargin;

// Generator statistics.
extern int32_t genCalls;
extern int32_t genCallsInCheck;
extern int32_t genCallsOutOfCheck;
extern int32_t movesGenerated;

// Make-move: builds record ply from record ply-1, rejects moves that leave
// the mover's king attacked, records who gives check and decides how final
// the new position's score is. Taking a move back is decrementing ply.
#pragma once

#include <cstdint>

// Bound meaning "make the move without evaluating it".
constexpr int NOEVAL = 32100;

bool eseguimossa(uint32_t move, int bound);

// King-safety and check test after the move is on the board of record ply.
bool verificalegalebianco(int piece, int from, int to);
bool verificalegalenero(int piece, int from, int to);

// The square of the pawn taken by the last en-passant capture (0 = none).
extern int epvictim;

// Legal positions made since the counter was last cleared (the search's node count).
extern uint64_t positionsMade;

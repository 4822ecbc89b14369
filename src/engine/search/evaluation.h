// Static evaluation of the position records made by make-move: the
// pawn-structure entries, the special-ending recognisers and the full
// evaluation. Scores are centipawns from White's point of view.
#pragma once

#include <cstdint>

#include "engine/position/position.h"

struct PawnEntry {
  uint16_t whitePassedFiles;  // bit f+1: White passed pawn on file f
  uint16_t blackPassedFiles;
  int16_t pawnScore;
  uint8_t whiteFileCount[10];  // index file+1; 0 and 9 stay 0
  uint8_t blackFileCount[10];
  uint8_t blackRankMax[10];  // largest rank of a Black pawn per file, 0 if none
  uint8_t whiteRankMin[10];  // smallest rank of a White pawn per file, 8 if none
  uint8_t whitePassedFar;    // White passed pawn on rank 6 or 7
  uint8_t blackPassedFar;    // Black passed pawn on rank 3 or 2
};
static_assert(sizeof(PawnEntry) == 48);

extern PawnEntry pawnEntries[MAXPLY];

// The entry of a record's pawn slot.
inline PawnEntry& pawnEntryOf(const tposizione& p) {
  return pawnEntries[p.pawnslot < MAXPLY ? p.pawnslot : MAXPLY - 1];
}

// Recompute the pawn-structure entry of record ply's slot.
void evaluatePawns();
// Full evaluation of record ply (the bound is not used by the evaluation).
// Also counts the tallies of record ply. The score is 16-bit: it is
// returned already wrapped to int16 range.
int evaluateFull(int bound);
// Kings and pawns only, record atPly.
int evaluatePawnEnding(int atPly);
// Phase-3 ending recognition of record ply: may set score and evalstatus.
void recogniseEnding();

// The recognisers, each scoring record ply from White's point of view.
int recogniseKingPawnWhite();
int recogniseKingPawnBlack();
int recogniseBishopPawnWhite();
int recogniseBishopPawnBlack();
int recogniseBishopPairWhite();
int recogniseBishopPairBlack();
int recogniseRookVsKnightWhite();
int recogniseRookVsKnightBlack();
int recogniseQueenMateBlack();

// Race table of the bishop and rook pawn ending, seen from White (promotion
// on rank 8): row 0 for the a-pawn, row 1 for the h-pawn. The value of a
// king's square is its king distance to the promotion corner; the value of a
// square on the rook file, where the pawn stands, is the pawn's moves to
// promote plus one, so that "king value >= pawn value" means the king is
// too slow with the stronger side to move.
extern const int8_t (&rookPawnRace)[2][64];

// Evaluation call counter: every 2048th full evaluation samples the clock
// and checks the deadline, every 1024th pawn-ending evaluation samples it.
extern int32_t evalCalls;

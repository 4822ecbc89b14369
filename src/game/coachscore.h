// How the coach writes the engine's scores: centipawns from White's side,
// mates beyond COACH_MATE_SCORE either way, shown in pawns or as moves to
// mate.
#pragma once

#include <string>

// Scores beyond this, from either side, are mates.
constexpr int COACH_MATE_SCORE = 31000;

// Moves to mate in a score of a position with that side to move: positive
// when White mates, negative when Black mates, 0 for a score that is no
// mate.
int movesToMate(int whiteScore, bool whiteToMove);

// The score as a person reads it: "+0.35", "-1.20", "0.00", or "#3" (White
// mates in three), "#-2" (Black mates in two).
std::string pawnsText(int whiteScore, bool whiteToMove);

// The score as the evaluation command of a PGN comment, which game viewers
// draw and other programs read: "[%eval 0.35]", "[%eval -1.2]", "[%eval #-2]".
std::string evalCommand(int whiteScore, bool whiteToMove);

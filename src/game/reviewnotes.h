// The review written into the game's notes (records/gamenotes.h), which
// saving the game writes as PGN: each move's mark as its numeric
// annotation and the score after it as a comment's evaluation command.
#pragma once

#include <string>
#include <vector>

// What the review says after one half-move: its NAG ("$4", or empty) and
// its comment's text ("[%eval 0.35]", or empty).
struct ReviewNote {
  std::string nag;
  std::string comment;
};

// Puts the notes of half-moves 1.. (entry 0 unused) after the moves of the
// game on the board. The notes of an earlier review go: its evaluation
// comments, and the marks a review gives ($6, $2, $4) on every reviewed
// move; a file's other comments, glyphs and variations stay where the
// record's moves are still the ones they were read with.
void writeReviewNotes(const std::vector<ReviewNote>& notes);

// The sign of half-move k's move-quality glyph in the game's notes ("!",
// "?", "!!", "??", "!?", "?!" for $1 to $6), as the move list writes it
// after the move; empty when it has none or the notes belong to other moves.
std::string moveSign(int k);

// Whether a note item is one a review writes: an evaluation comment alone,
// or the NAG of a review's mark.
bool isReviewItem(const std::string& item);

// What a loaded game holds that the game record has no room for: every tag
// with its whole value, and the comments, glyphs and variations between the
// moves. The notes sit beside the record and are written back when the game
// is saved, for as long as the record's moves are the ones they were read
// with: a move played over them, a take-back or a new game lets go of what
// no longer fits.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/position/position.h"
#include "records/pgngame.h"

struct GameNotes {
  std::vector<PgnTag> tags;
  std::vector<uint32_t> moves;  // the moves (17 bits) the annotations belong to
  // after[i] follows half-move i, after[0] precedes the first; PGN text
  // items ("$1", "{comment}", "(variation)"). One more than moves.
  std::vector<std::vector<std::string>> after{1};
  std::string startfen;  // the start position they belong to ("" for the standard one)
};
extern GameNotes gameNotes;

// How many of the record's half-moves still carry their notes (the moves
// the record and the notes share from the start), or -1 when the notes
// belong to another game (another start position).
int notesInStep(const tpartita& g, const GameNotes& notes);

// The value the game gives a tag of the record: the whole value the notes
// keep when the record holds it cut to its room, else the record's.
template <int N>
std::string wholeValue(const ShortString<N>& field, const GameNotes& notes, bool inStep, std::string_view name) {
  if (inStep) {
    if (const std::string* kept = findTag(notes.tags, name)) {
      ShortString<N> cut;
      cut = *kept;
      if (cut.view() == field.view()) return *kept;
    }
  }
  return field.str();
}

#include "records/gamenotes.h"

GameNotes gameNotes;

int notesInStep(const tpartita& g, const GameNotes& notes) {
  if (g.startfen.view() != notes.startfen) return -1;
  const int n = std::min<int>(g.count, static_cast<int>(notes.moves.size()));
  int same = 0;
  while (same < n && (g.moves[same] & MV_MOVE) == notes.moves[same]) ++same;
  return same;
}

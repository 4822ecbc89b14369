#include "game/reviewnotes.h"

#include <algorithm>

#include "game/game.h"
#include "records/gamenotes.h"

bool isReviewItem(const std::string& item) {
  if (item == "$6" || item == "$2" || item == "$4") return true;
  return item.rfind("{[%eval ", 0) == 0 && item.size() > 2 && item.find(']') == item.size() - 2;
}

std::string moveSign(int k) {
  // $1 to $6, the glyphs of a move's quality.
  static constexpr const char* SIGNS[] = {"!", "?", "!!", "??", "!?", "?!"};
  const int inStep = notesInStep(game::record(), gameNotes);
  if (k < 1 || k > inStep || static_cast<size_t>(k) >= gameNotes.after.size()) return {};
  for (const std::string& item : gameNotes.after[static_cast<size_t>(k)]) {
    if (item.size() != 2 || item[0] != '$' || item[1] < '1' || item[1] > '6') continue;
    return SIGNS[item[1] - '1'];
  }
  return {};
}

void writeReviewNotes(const std::vector<ReviewNote>& notes) {
  const tpartita& g = game::record();
  const int inStep = notesInStep(g, gameNotes);
  // Notes of another start, or of moves the record no longer holds, go.
  if (inStep < 0) gameNotes = GameNotes{gameNotes.tags, {}, {{}}, g.startfen.str()};
  gameNotes.moves.assign(g.moves, g.moves + g.count);
  for (uint32_t& m : gameNotes.moves) m &= MV_MOVE;
  gameNotes.after.resize(static_cast<size_t>(std::max(inStep, 0)) + 1);
  gameNotes.after.resize(static_cast<size_t>(g.count) + 1);
  for (size_t k = 1; k < notes.size() && k < gameNotes.after.size(); ++k) {
    std::vector<std::string>& after = gameNotes.after[k];
    std::erase_if(after, isReviewItem);
    // The mark first, then the score, then what the file said.
    std::vector<std::string> front;
    if (!notes[k].nag.empty()) front.push_back(notes[k].nag);
    if (!notes[k].comment.empty()) front.push_back("{" + notes[k].comment + "}");
    after.insert(after.begin(), front.begin(), front.end());
  }
}

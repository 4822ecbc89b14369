#include "protocol/editmode.h"

#include <cstdint>

#include "engine/position/position.h"
#include "game/game.h"
#include "protocol/iowinboard.h"
#include "text/output.h"

namespace {

bool active = false;
bool whitePieces = true;
int8_t board[64];

int8_t pieceOf(char letter) {
  switch (letter) {
    case 'P': return PAWN;
    case 'N': return KNIGHT;
    case 'B': return BISHOP;
    case 'R': return ROOK;
    case 'Q': return QUEEN;
    case 'K': return KING;
    default: return EMPTY;
  }
}

// Castling letters for kings and rooks still on their squares.
std::string castling() {
  std::string c;
  if (board[4] == KING && board[7] == ROOK) c += 'K';
  if (board[4] == KING && board[0] == ROOK) c += 'Q';
  if (board[60] == -KING && board[63] == -ROOK) c += 'k';
  if (board[60] == -KING && board[56] == -ROOK) c += 'q';
  return c.empty() ? "-" : c;
}

void finish() {
  active = false;
  tposizione p = game::position();
  for (int s = 0; s < 64; ++s) p.board[s] = board[s];
  // posizionefen ends with the side to move and a blank.
  const std::string fen = posizionefen(p) + castling() + " - 0 1";
  std::string problem;
  if (!game::setUp(fen, &problem)) {
    scrivilinea("tellusererror Illegal position: " + problem);
    scrivilinea("Error (illegal position): edit");
  }
}

}  // namespace

void startEdit() {
  active = true;
  whitePieces = true;
  for (int s = 0; s < 64; ++s) board[s] = game::position().board[s];
}

bool inedit() { return active; }
void endEdit() { active = false; }

void editLine(const std::string& line) {
  if (line == ".") return finish();
  if (line == "#") {
    for (int8_t& s : board) s = EMPTY;
    return;
  }
  if (line == "c") {
    whitePieces = !whitePieces;
    return;
  }
  const bool shape = line.size() == 3 && line[1] >= 'a' && line[1] <= 'h' && line[2] >= '1' && line[2] <= '8';
  const int8_t piece = shape ? pieceOf(line[0]) : static_cast<int8_t>(EMPTY);
  if (!shape || (piece == EMPTY && line[0] != 'x')) {
    scrivilinea("Error (not an edit command): " + line);
    return;
  }
  const int square = (line[2] - '1') * 8 + (line[1] - 'a');
  board[square] = static_cast<int8_t>(whitePieces ? piece : -piece);
}

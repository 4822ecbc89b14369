// Which game-over message a finished game shows, and where: the text is a
// key of the language file, the memo the player panel it is appended to.
#pragma once

// Who made the move that ended the game.
enum class Mover {
  WhiteEngine,  // the engine, playing White
  BlackEngine,  // the engine, playing Black
  Human         // a human (the side to move decides the mate text)
};

// The language key of the game-over message and the memo it goes to
// (1 = Memo1, Black's; 2 = Memo2, White's). A null key means no message
// (insufficient material, a human "resigning", an unknown code).
struct GameOverMessage {
  const char* key = nullptr;
  int memo = 1;
};
GameOverMessage gameOverMessage(int result, Mover mover, bool whiteToMove);

// Setting up a position by hand: pieces put on and taken off squares, the
// side to move and the castling rights, checked before a game starts from
// it. Works on a board of its own; the game changes only when the edit is
// finished with a playable position.
#pragma once

#include <cstdint>
#include <string>

class BoardEditor {
 public:
  // Starts from the position on the board.
  void begin();
  // Puts a piece (a signed piece code: positive White) on a square 0..63,
  // replacing what stood there; EMPTY clears the square.
  void put(int square, int8_t piece);
  void clearBoard();
  int8_t at(int square) const { return board_[square]; }

  void setWhiteToMove(bool white) { whiteToMove_ = white; }
  bool whiteToMove() const { return whiteToMove_; }
  // One of CASTLE_WK, CASTLE_WQ, CASTLE_BK, CASTLE_BQ. A right is offered,
  // and kept, only while its king and rook stand on their squares.
  bool castlingPossible(uint8_t right) const;
  void setCastling(uint8_t right, bool on);
  bool castling(uint8_t right) const { return (castling_ & right) && castlingPossible(right); }

  // The position as FEN text (no en-passant square, move 1).
  std::string fen() const;
  // The language key of what keeps the position from being played, or
  // null when it is playable as far as those checks go: each side exactly
  // one king, no pawn on the first or last rank, the side not to move not
  // in check, no more pieces of a kind than a side can hold.
  const char* problemKey() const;

 private:
  int8_t board_[64] = {};
  bool whiteToMove_ = true;
  uint8_t castling_ = 0;
};

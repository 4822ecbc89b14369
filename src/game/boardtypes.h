// The words the game layer speaks to its views: squares, pieces, sides,
// promotions, castling rights and time controls as plain values, so that a
// view needs none of the engine's headers. The values are the engine's own
// (game/boardtypes.cpp checks that they stay so).
#pragma once

#include <cstdint>

namespace board {

// Squares 0..63, a1 = 0, h8 = 63.
constexpr int SQUARES = 64;
constexpr int NO_SQUARE = -1;
constexpr int fileOf(int square) { return square & 7; }
constexpr int rankOf(int square) { return square >> 3; }

// Piece codes: the type, positive for White and negative for Black.
constexpr int8_t EMPTY = 0;
constexpr int8_t PAWN = 1;
constexpr int8_t KNIGHT = 2;
constexpr int8_t BISHOP = 3;
constexpr int8_t ROOK = 4;
constexpr int8_t QUEEN = 5;
constexpr int8_t KING = 6;

// Castling rights, as bits.
constexpr uint8_t WHITE_KINGSIDE = 1;
constexpr uint8_t WHITE_QUEENSIDE = 2;
constexpr uint8_t BLACK_KINGSIDE = 4;
constexpr uint8_t BLACK_QUEENSIDE = 8;

}  // namespace board

// The piece a pawn becomes on the last rank.
enum class Promotion { none, queen, knight, rook, bishop };

// A time control: base time, moves per control and increment as the game
// record keeps them (milliseconds), the final time of a quick-play finish,
// and its kind.
struct TimeControl {
  enum Kind : int32_t { movesPerControl = 1, wholeGame = 2, withIncrement = 3, quickPlayFinish = 4 };
  int32_t base = 0;
  int32_t moves = 0;
  int32_t increment = 0;
  int32_t finalTime = 0;
  int32_t kind = wholeGame;
};

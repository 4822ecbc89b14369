// Move texts of game files turned into moves of the game position.
#pragma once

#include <cstdint>
#include <string_view>

#include "records/notation.h"

// The move code a move token names in the game position, or 0 when it names
// none of the legal moves. Coordinates (g1f3, e7e8q, e1g1 for castling) name
// the legal move between those squares, the promotion letter in either case
// and required for a promotion. Otherwise the SAN reader decides first; when
// its move is not legal here, the token is resolved against the legal moves
// (for a piece written without the disambiguation a pinned twin would need,
// a capture written without "x", or long algebraic "e2-e4"), and a unique
// match wins.
uint32_t mossadatoken(std::string_view token);

// mossadatoken, also telling the token's shape (a coordinate move is well
// formed): a reader learns why a token names no move in the same pass.
uint32_t readMoveToken(std::string_view token, SanShape& shape);

// Whether the token has the shape of a coordinate move: two squares and
// perhaps a promotion letter.
bool isCoordinateMove(std::string_view token);

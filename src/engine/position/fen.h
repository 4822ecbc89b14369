// Setting up the root position from FEN text, and the new-game reset.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Build record 0 from a FEN text; with newgame also reset the game record.
// Nothing is rejected: malformed text gives whatever the fields yield, but
// the board and the piece lists are never written past.
void impostafen(std::string_view text, bool newgame);

// The fields of a FEN text, split at runs of blanks.
std::vector<std::string> fenFields(std::string_view text);

// The first field of a FEN text: the pieces of a board, rank 8 first
// (squares holding no piece code are empty).
std::string fenPlacement(const int8_t board[64]);

// The standard position as a new game, White human, the engine Black.
void nuovapartita();

// Why a FEN text does not describe a playable position (empty when it does):
// eight ranks of eight squares, one king of each colour, piece counts the
// record can hold, no pawn on the first or last rank, a side to move, sane
// castling and en-passant fields, and the side not to move not in check.
std::string fenProblem(std::string_view text);

// Standard algebraic notation: reading a move typed or stored as text
// against the game position, and writing the text of a move for the move
// list and for game files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// What leggisan gives for a text it cannot turn into a move (no destination
// square, a piece that cannot be found, an empty text). Its low 12 bits name
// h8 to h8, which no generator ever produces, so it fails every comparison
// with a generated move, whether on 12 or on 17 bits.
constexpr uint32_t SAN_INVALID = 0xFFFFFFFFu;

// The move code a SAN text names for the side to move of record 0. The code
// is not checked for legality: callers compare it with the generated moves.
// Read as the PGN standard and real files write it: check, mate and
// judgement marks in any order, castling with the letter O or the digit 0,
// promotion with or without "=", figurine piece symbols for the letters.
// Any text sanShape does not call well formed gives SAN_INVALID: a piece
// letter of another language is never taken for a pawn move.
uint32_t leggisan(std::string_view text);

enum class SanShape {
  wellFormed,    // a move text of the reader's alphabet (it may still name no move)
  unknownPiece,  // starts with a capital letter or symbol that is none of K Q R B N P
  unreadable     // anything else: no destination, foreign characters, a bad promotion
};

// The shape of a move text, before any position is consulted.
SanShape sanShape(std::string_view text);

// leggisan's reading of a text already normalised and found well formed
// (a file's reader asks for the shape first and need not normalise twice).
uint32_t readNormalisedSan(std::string_view normalised);
// The shape of a text already normalised.
SanShape shapeOfNormalised(std::string_view normalised);

// The text leggisan works on: figurine symbols (U+2654 to U+265F, either
// colour) replaced by their letters, trailing check, mate and judgement
// marks dropped, castling written with zeros or small o turned into "O-O"
// and "O-O-O".
std::string normalisedSan(std::string_view text);

// The SAN text of a move played from record p (the position before the
// move). No check or mate sign is written; a promotion is written without
// "=" (e8Q). Disambiguation ignores pins. A move from an empty square, or a
// record index outside the array, gives the empty text.
std::string scrivisan(uint32_t move, int p);

// The SAN text of a legal move from record p with "+" when it gives check
// and "#" when it mates: the text of the move grid and of saved games.
// Records p+1 and p+2 serve as scratch and are put back, with ply, the
// move lists and attack maps of those plies and the make-move counters, so
// the call is safe from inside a running search. For a move that is not
// legal from record p, or a p with no room for scratch records, it gives
// scrivisan's text alone.
std::string sanWithCheckMark(uint32_t move, int p);

// Piece finders over record 0. Each takes the destination square, a from-file
// (1..8, 0 = any) and a from-rank (1..8, 0 = any) and returns the square the
// piece comes from, or -1.
int trovapedonebianco(int dest, int fromfile);
int trovapedonenero(int dest, int fromfile);
int trovacavallobianco(int dest, int fromfile, int fromrank);
int trovacavallonero(int dest, int fromfile, int fromrank);
int trovaalfierebianco(int dest, int fromfile, int fromrank);
int trovaalfierenero(int dest, int fromfile, int fromrank);
int trovatorrebianca(int dest, int fromfile, int fromrank);
int trovatorrenera(int dest, int fromfile, int fromrank);
int trovadonnabianca(int dest, int fromfile, int fromrank);
int trovadonnanera(int dest, int fromfile, int fromrank);

// The same, choosing the twin by side (1 White, 2 Black).
int trovapedone(int side, int dest, int fromfile);
int trovacavallo(int side, int dest, int fromfile, int fromrank);
int trovaalfiere(int side, int dest, int fromfile, int fromrank);
int trovatorre(int side, int dest, int fromfile, int fromrank);
int trovadonna(int side, int dest, int fromfile, int fromrank);

// Whether the king of the colour (1 White, 2 Black) in record 0 stands on an
// open line to an enemy slider that moves along it.
bool scaccodilinea(int colour);

// Game files on the board: a game of the open PGN file played onto it, a
// FEN file's position set up, and the game on it written as PGN. The files
// are read and written by the records layer; what changes the game is here.
#pragma once

#include <string>
#include <vector>

#include "records/pgnfen.h"

// Loads game `number` of the open PGN file (the number its index entry
// starts with) and replays it on the board, filling lastLoad. A game whose
// movetext cannot be read to its end (a move that is no move, names an
// unknown piece or is not legal, an unbalanced comment or variation, too
// many half-moves, moves after the result, a tag cut off) keeps the moves
// before that point and is interrotta; the line "White Black token" (or
// the report text when there is no token) is added to listaverifica, and
// *fallita (when given) receives the same token or text. A number outside
// the index, or a FEN tag that is not a playable position (logged the same
// way), changes nothing and is rifiutata. The players are the file's and
// both sides go to the human. The game's tags, comments, glyphs and
// variations go to gameNotes, for the moves the record took.
esitocaricamento caricapartita(int number, std::string* fallita = nullptr);

// Reads every game of the open PGN file as caricapartita does, one report
// each, and puts the game on the board back afterwards.
std::vector<LoadReport> checkGames();

// Loads a FEN file's position as a new game (leggifilefen says which);
// false with the cause in errore, and nothing changes, when it gives none.
bool caricafen(const std::string& path, std::string& errore);

// The SAN texts of the game's moves as saved games write them, replayed
// from its start; the game on the board is left as it was.
std::vector<std::string> sanTexts();
// The game as PGN text (the clipboard's copy and what salvapgn writes).
std::vector<std::string> righepgn();
// Writes righepgn to a file through a temporary file renamed over it: a
// failed save (false, the cause in errore) leaves the old file as it was.
bool salvapgn(const std::string& filename, std::string& errore);

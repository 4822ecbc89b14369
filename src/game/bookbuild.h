// Building the opening book from the games of the open PGN file: each game
// is played onto the board to find its moves.
#pragma once

#include <string>

#include "records/book.h"

// Loads every game of the PGN index in turn and adds its line to listabook,
// reporting progress (once with 0 games done and an empty label before the
// first game, so that a bar can be set up) and letting the window process
// its events after each game. The board is left showing the last game. Only
// games loaded completely, from the standard start, with a result of 1-0,
// 0-1 or 1/2-1/2 and long enough to leave a move are added; lastBookBuild
// counts the rest by reason. Returns the number of lines added.
int aggiungipartitebook(const tavanzamentobook& avanzamento);

// The book page's build: adds the games of the index, then sorts and writes
// userDataFolder() + "book.opn" (settings/folders.h), which start-up then
// prefers to the shipped book.
bool managebook(const tavanzamentobook& avanzamento, std::string& errore);

// "Nuovo": the current book is written to userDataFolder() + "book.old", then a new
// book is built from the games of the index alone. When "book.old" cannot be
// written nothing else happens.
bool nuovobook(const tavanzamentobook& avanzamento, std::string& errore);

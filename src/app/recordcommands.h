// Command-line entries for game files and the opening book.
#pragma once

#include <string>
#include <vector>

// Zefiran3D --build-book OUT.opn GAMES.pgn...
// Builds a book from the games of the PGN files, as the book page's build
// does, and writes it to OUT.opn, saying how many games it left out and
// why (only games read to their end count). Exit code 0, or 2 for bad arguments, an
// unreadable game file or a book that cannot be written.
int buildBookCommand(const std::vector<std::string>& args);

// Zefiran3D --pgn-check FILE.pgn
// Loads every game of the file and prints, per game, its index entry, the
// half-moves played and, for a game not read to its end, the half-move, the
// text and the reason it stopped; then a total line. Exit code 0 when every game loaded completely, 1 when some did
// not, 2 for bad arguments or an unreadable file.
int pgnCheckCommand(const std::vector<std::string>& args);

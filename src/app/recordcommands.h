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

// Zefiran3D --pgn-copy IN.pgn OUT.pgn
// Loads every game of IN as the program does and writes each as the program
// saves it (what opening a game and saving it gives), replacing OUT only
// once it is written whole. A game not read to its end is written as far as
// it was read and reported, a game refused (an unplayable FEN) is reported
// and left out. Exit code 0 when every game was read to its end, 1 when
// some were not, 2 for bad arguments, an unreadable IN or an unwritable OUT.
int pgnCopyCommand(const std::vector<std::string>& args);

// Zefiran3D --review GAMES.pgn [--movetime MS] [--out FILE]
// Reviews every game of the file as the window's review does (each position
// searched for MS milliseconds, 1000 by default, 100 to 5000) and writes the
// games as the program saves them, with the scores as comments and the
// marks as NAGs, to FILE (replaced once written whole) or to standard
// output. One line per game on standard error says how far it has come.
// Exit code 0 when every game was read to its end, 1 when some were not
// (they are reviewed as far as they were read; a refused game is left out),
// 2 for bad arguments, an unreadable GAMES or an unwritable FILE.
#pragma once

#include <string>
#include <vector>

int reviewCommand(const std::vector<std::string>& args);

// The PGN file last opened, read as a stream: an index of where its games
// start, built in one pass through a fixed-size buffer, and each game's
// text read from the file when it is asked for. Memory grows with the
// number of games (an entry each), never with the size of the file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/pgngame.h"

// One entry per game of the open file: "N White-Black : Result", N the
// game's number in the file counted from 0 (two games may start on one
// line, so a line number would not name a game).
extern std::vector<std::string> indicepartite;

// Opens a PGN file: its index replaces the one before. A file that cannot
// be read (or holds NUL bytes, so is no text file) changes nothing and gives
// false with the cause in errore.
bool aprifilepgn(const std::string& path, std::string& errore);
// The same for PGN text held in memory (pasted text, tests).
void openPgnText(std::string text);

// A game starts at its first tag, or, without tags, at its first movetext
// word after the start of the file or after a blank line that follows the
// result of the game before. Within a tag section blank lines and tags on
// one line change nothing: the section ends at the first movetext word,
// or at a tag past a blank line whose name the section already holds (the
// next game, when a game has no movetext). After movetext a "[" starts the next game; inside
// a brace comment left open only a line that is a whole tag pair does.
// White, Black and the result of an entry come from its game's own tags.

// The game number an index entry names.
int rigadiindice(std::string_view entry);

// The largest game text read: a longer one is cut there and stopped as too long.
constexpr uint64_t MAXGAMETEXT = 8u << 20;

// Reads game `number` of the open file; false for a number outside the
// index or a file that can no longer be read.
bool readGame(int number, PgnGame& out);

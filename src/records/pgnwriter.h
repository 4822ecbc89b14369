// The current game as PGN text, written as the standard's export format
// asks: the seven tags of the roster in their order and standard spelling
// ("?" for what is unknown), the game's other tags in the order they were
// read, quotes and backslashes in values escaped, a blank line, then the
// movetext in lines of at most 79 characters with its comments, glyphs and
// variations, ending with the result.
#pragma once

#include <string>
#include <vector>

// The PGN text of the current game, given the SAN texts of its moves
// (pgnSan, replayed from its start). A game begun from a set-up position
// carries SetUp and FEN, and its moves are numbered from the FEN's move
// number, "N... move" first when Black begins. The notes of a loaded game
// (gamenotes.h) are written for the moves still in step with them.
std::vector<std::string> pgnLines(const std::vector<std::string>& sanTexts);

// A tag value as a PGN string: between quotes, with \" and \\ escaped.
std::string quotedTagValue(const std::string& value);

// The longest line pgnLines writes for movetext.
constexpr size_t PGNLINEWIDTH = 79;

// One game of a PGN file as text: its tags in their order, the moves of its
// main line, what stands between them (comments, annotation glyphs,
// variations) and its result, not played yet.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The most move tokens one game may hold: the game record's length.
constexpr int MAXTOKENMOSSE = 600;

// Why a game's movetext could not be read to its end.
enum class StopReason {
  none,
  unknownPiece,   // a move starts with a letter that names no piece (S, L, T, D ...)
  unreadable,     // a token that is no move text at all
  illegal,        // a move text that names no legal move of the position
  openComment,    // a "{" never closed
  openVariation,  // a "(" never closed
  strayClose,     // a "}" or ")" that closes nothing
  tooLong,        // more half-moves than the game record holds
  badFen,         // the FEN tag is not a playable position (nothing loaded)
  afterResult,    // moves after the result that ends the game
  brokenTag       // a tag pair not closed on its line (a file cut inside a tag)
};

struct PgnTag {
  std::string name, value;
  bool operator==(const PgnTag&) const = default;
};

struct PgnGame {
  // Every tag in the file's order, its value whole. The names the program
  // knows (the seven of the roster, FEN, SetUp) are spelt as the standard
  // does whatever case the file used.
  std::vector<PgnTag> tags;
  std::vector<std::string> moves;  // the main line's move texts, judgement marks moved to notes
  // notes[i] is what follows half-move i, notes[0] what precedes the first
  // one, as PGN text: "$1", "{comment}", "(variation)". One more than moves.
  std::vector<std::vector<std::string>> notes{1};
  std::string result;  // the termination marker, empty when the text has none
  StopReason problem = StopReason::none;
  std::string problemText;  // the text where the movetext was cut ("{", "(", the move after the result ...)
};

// Reads one game's text. What cannot be read (an unbalanced bracket, a tag
// cut off, moves after the result, more moves than the record holds) ends
// the movetext there and is the game's problem; what follows the result
// otherwise (comments, a bracket left open) is not part of the game.
PgnGame parsePgnGame(std::string_view text);

// The tag's value, its name matched without regard to case; nullptr when
// the game has no such tag.
const std::string* findTag(const std::vector<PgnTag>& tags, std::string_view name);

// The standard spelling of a tag name the program knows, else the name as it is.
std::string standardTagName(std::string_view name);

// Whether the text is a termination marker: 1-0, 0-1, 1/2-1/2 or *.
bool isResultText(std::string_view text);

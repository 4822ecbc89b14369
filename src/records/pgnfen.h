// Game files: PGN files read through an index of their games and written
// one game at a time, and FEN files holding a single position.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The lines of the PGN file last opened (line endings removed).
extern std::vector<std::string> filepgn;
// One entry per game of filepgn: "LINE White-Black : Result", where LINE is
// the number (from 0) of the game's first tag line.
extern std::vector<std::string> indicepartite;

// The most move tokens one game may hold: the game record's length.
constexpr int MAXTOKENMOSSE = 600;
// Larger files are refused rather than read into memory.
constexpr long long MAXFILEPARTITE = 512LL << 20;

// Reads a text file whose lines end with CR LF or LF. On failure the lines
// are left as they were and errore says why in one line; a file holding NUL
// bytes is not a text file and is refused.
bool leggirighefile(const std::string& path, std::vector<std::string>& righe, std::string& errore);

// Opening a PGN file: its lines replace filepgn and the index is rebuilt. A
// file that cannot be read changes nothing and gives false.
bool aprifilepgn(const std::string& path, std::string& errore);

// Rebuilds indicepartite from filepgn. A game starts at a tag line (its
// first non-blank character is "[") that follows movetext or the start of
// the file; inside a brace comment left open only a whole tag pair
// ([Name "value"]) does. Its entry is added when its tag section ends, so
// games that start from a later move number, or whose movetext opens with a
// comment, get an entry of their own. White, Black and the result come from
// this game's tags only.
void indicizzapgn();

// The start line an index entry names.
int rigadiindice(std::string_view entry);

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
  badFen          // the FEN tag is not a playable position (nothing loaded)
};

// The movetext cleaning, in order: comments in braces, then variations in
// parentheses (nested ones whole), the result and whatever follows it,
// "e.p." marks, dots, and runs of blanks. Every removed piece leaves a
// blank, so the moves beside it stay apart. An opening bracket without its
// closing one, or a closing one without its opening, ends the text there and
// sets *problem (unless a result token came first: what follows the result
// is not part of the game).
std::string puliscimosse(std::string_view movetext, StopReason* problem = nullptr);

// The move tokens of a cleaned movetext: the blank-separated words that do
// not start with a digit 1 to 9 (move numbers), without numeric annotation
// glyphs ($1) and evaluation signs (!?, +-, =), at most MAXTOKENMOSSE; when
// there are more, the first one left out goes to *eccedente.
std::vector<std::string> tokenmosse(std::string_view pulito, std::string* eccedente = nullptr);

// The tags the program keeps, as read from one game's tag section.
struct GameTags {
  std::string white, black, result, fen, event, site, date, round;
  bool hasResult = false;
};

// One game of filepgn as text: its tags and its move tokens, not played yet.
struct PgnGameText {
  GameTags tags;
  std::vector<std::string> tokens;
  std::string beyond;                      // the first token past the record's room, if any
  StopReason cleaning = StopReason::none;  // an unbalanced comment or variation
};
// Reads the game whose tag section starts at that line of filepgn; false
// for a line outside the file.
bool readGameText(int line, PgnGameText& out);

enum class esitocaricamento {
  completa,    // every move token was played
  interrotta,  // the game was set up, and its moves played up to one that could not be
  rifiutata    // nothing changed
};

// What the last caricapartita found.
struct LoadReport {
  esitocaricamento outcome = esitocaricamento::rifiutata;
  StopReason reason = StopReason::none;
  int halfmove = 0;    // the game's half-move (from 1) that could not be played
  std::string token;   // the text found there ("{" or "(" for an open bracket)
  std::string detail;  // for badFen, why the position is not playable (fenProblem)
};
extern LoadReport lastLoad;

// The reason in the current language (keys P_STOP...), empty for none.
std::string stopReasonText(StopReason reason);
// "stopped at half-move 5 (Sf3): unknown piece letter" in the current
// language, empty for a game that loaded completely: what the game list,
// the load page and the check command show for a stopped game.
std::string loadReportText(const LoadReport& report);

// The move code a move token names in the game position, or 0 when it names
// none of the legal moves. The SAN reader decides first; when its move is
// not legal here, the token is resolved against the legal moves (for a piece
// written without the disambiguation a pinned twin would need, a capture
// written without "x", or long algebraic "e2-e4"), and a unique match wins.
uint32_t mossadatoken(std::string_view token);

// The PGN text of the current game, given the SAN texts of its moves
// (pgnSan, replayed from its start): upper-case tags (and SETUP and FEN when
// the game began from a set-up position), then the movetext in lines under
// 81 characters, numbered from the FEN's move number, a game that began with
// Black to move opening with "N... move", and the result as the termination
// marker.
std::vector<std::string> pgnLines(const std::vector<std::string>& sanTexts);
// The SAN text the PGN standard writes for a legal move from record p:
// check and mate marks, and "=" before the promotion piece.
std::string pgnSan(uint32_t move, int p);
// The game's first move: its number (the start FEN's, else 1) and whether
// Black makes it (a set-up position with Black to move).
void startingMove(int& number, bool& blackFirst);
// Writes one FEN line through a temporary file in the same folder that is
// then renamed over the target, so that a failed save (false, the cause in
// errore) leaves the old file as it was.
bool salvafen(const std::string& filename, const std::string& fen, std::string& errore);

// Reads a FEN file: its last line that is not empty after trimming, when
// it describes a playable position. A file that cannot be read or holds no
// such line gives false with the cause in errore.
bool leggifilefen(const std::string& path, std::string& fen, std::string& errore);

// Game files: PGN files read through an index of their games (pgnindex.h)
// and written one game at a time (pgnwriter.h), the reports of games read,
// and FEN files holding a single position.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/gamenotes.h"
#include "records/movetoken.h"
#include "records/pgngame.h"
#include "records/pgnindex.h"
#include "records/pgnwriter.h"

// Larger position and test files are refused rather than read into memory.
constexpr long long MAXFILEPARTITE = 512LL << 20;

// Reads a text file whose lines end with CR LF or LF. On failure the lines
// are left as they were and errore says why in one line; a file holding NUL
// bytes is not a text file and is refused.
bool leggirighefile(const std::string& path, std::vector<std::string>& righe, std::string& errore);

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

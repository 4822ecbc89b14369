// name=value text files shared by the settings file and the language files:
// reading them into lines, looking names up, and start-up problem reports.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The text after the first "=" of the first line whose name matches key
// without regard to letter case; empty when no line matches.
std::string lookupNameValue(const std::vector<std::string>& lines, std::string_view key);

// Whether some line defines key (a line whose name matches, even with an
// empty text).
bool definesName(const std::vector<std::string>& lines, std::string_view key);

// Splits text into lines ended by CR LF, LF or a lone CR (mixed endings are
// fine); a last line without an ending still counts, and a leading UTF-8 byte
// order mark is dropped.
std::vector<std::string> dividirighe(std::string_view text);

enum class esitolettura {
  letto,       // the lines were read
  mancante,    // no such file
  illeggibile  // the file exists but cannot be read, or is not a text file
};

// Larger files are not settings or language files and are refused.
constexpr long MAXTEXTFILE = 1 << 20;

// Reads a text file into lines. On anything but `letto` the lines are left as
// they were and errore says why in one line. A file holding NUL bytes, or
// larger than MAXTEXTFILE, counts as unreadable.
esitolettura leggirighe(const std::string& path, std::vector<std::string>& righe, std::string& errore);

// Writes lines, each ended by CR LF, so that the file is either completely
// the new text or still the old one: the text goes to a temporary file in the
// same folder, is flushed to disk and then renamed over path. On failure the
// old file is untouched, the temporary file removed, and errore says why.
bool scrivirighe(const std::string& path, const std::vector<std::string>& righe, std::string& errore);

// Problems met while loading the settings and the language at start-up, one
// line each, for the window to show. Each distinct message is kept and
// written to standard error once.
void reportProblem(const std::string& messaggio);
const std::vector<std::string>& problemiavvio();
void clearProblems();

// The cause of a failed file operation in words (errno value).
std::string errorCause(int err);

// The settings file "Zefiran3D.ini" in the configuration folder (folders.h):
// name=value lines held in memory, the settings applied from them, the
// defaults, and the writer used by the configuration dialog.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "text/namevalue.h"

constexpr const char* NOMEINI = "Zefiran3D.ini";
constexpr const char* SKINPREDEFINITA = "default.usk";
constexpr const char* LINGUAPREDEFINITA = "english.dat";

// The lines of the settings file as loaded (or as the dialog rebuilt them).
extern std::vector<std::string> listaini;

// The folder of the read-only data, ending with "/": "languages/", "skins/"
// and the shipped "book.opn" are opened relative to it (folders.h says which
// folder it is).
extern std::string cartella;

// Settings applied by leggiini / inidefault.
extern int profonditalibro;     // book depth in half-moves (twice the file's value)
extern std::string nomeskin;    // skin file inside "skins/"
extern std::string nomelingua;  // language file inside "languages/"

// Value of the first line whose name (text before the first "=") matches key
// without regard to letter case; empty when there is none.
std::string valoreini(std::string_view key);

// The folder of the running executable, from /proc/self/exe; when that cannot
// be read, the folder of argv0 when it names a path, else the current folder.
std::string cartellaprogramma(const char* argv0);

// Loads a settings file into listaini. A missing or unreadable file empties
// listaini (so new games get empty names) and gives `mancante` or
// `illeggibile` with the cause in errore.
esitolettura caricaini(const std::string& path, std::string& errore);

// Applies listaini: the "hash" level (an integer after trimming; a level
// outside 1..10 gives the default table), the book depth, the resignation
// switch (exactly "si"), the skin and the language names. When "hash" is not
// an integer nothing is applied and the result is false: the caller then
// applies inidefault.
[[nodiscard]] bool leggiini();

// The defaults: a table of 2^18 entries, no resignation, "default.usk",
// "english.dat", book depth 0. listaini is left as it is.
void inidefault();

// Start-up: the folders (setUpFolders) when cartella is not set yet, then
// configFolder() + "Zefiran3D.ini" loaded and applied, or the defaults on any
// error. A missing file is normal on a first start and is not reported; an
// unreadable file or a bad "hash" is (see problemiavvio).
void caricaimpostazioni();

// What the configuration dialog saves.
struct tvaloriini {
  std::string giocatore, localita, evento;
  int hash = 3;             // level 1..10
  int profonditalibro = 0;  // book depth in moves, as the file stores it
  bool abbandona = false;
  std::string skin, linguaggio;
};

// The file's lines for these values: three header lines, an empty line and
// the eight settings in their fixed order; a setting whose value is empty is
// not written. Line breaks inside a value become blanks.
std::vector<std::string> componiini(const tvaloriini& valori);

// The dialog's save: listaini := componiini(valori), written to
// configFolder() + "Zefiran3D.ini" (the user's configuration folder is made
// on the first save). False, with the cause in errore, when the file could
// not be written; the old file then stays as it was.
bool salvaini(const tvaloriini& valori, std::string& errore);

#include "settings/manageini.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "engine/position/game.h"
#include "engine/search/cache.h"
#include "settings/folders.h"
#include "text/Textrout.h"
#include "text/namevalue.h"

std::vector<std::string> listaini;
std::string cartella;
int profonditalibro = 0;
std::string nomeskin = SKINPREDEFINITA;
std::string nomelingua = LINGUAPREDEFINITA;

namespace {

namespace fs = std::filesystem;

// The dialog's spin field goes to 100; anything larger only guards the
// doubling below against overflow.
constexpr int MAXBOOKMOVES = 1000;

std::string withSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// A file name inside one of the data folders: no folder part, nothing that
// climbs out of it.
bool plainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find('/') == std::string::npos && name.find('\\') == std::string::npos &&
         name.find('\0') == std::string::npos;
}

std::string fileNameSetting(std::string_view key, const char* fallback) {
  std::string name = valoreini(key);
  if (name.empty()) return fallback;
  if (!plainFileName(name)) {
    reportProblem(std::string(NOMEINI) + ": " + std::string(key) + "=" + name + " is not a file name; using " +
                  fallback);
    return fallback;
  }
  return name;
}

std::string oneLine(std::string value) {
  std::replace(value.begin(), value.end(), '\r', ' ');
  std::replace(value.begin(), value.end(), '\n', ' ');
  return value;
}

}  // namespace

std::string valoreini(std::string_view key) { return lookupNameValue(listaini, key); }

std::string cartellaprogramma(const char* argv0) {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec && exe.is_absolute() && exe.has_parent_path()) return withSlash(exe.parent_path().string());
  if (argv0 != nullptr && std::string_view(argv0).find('/') != std::string_view::npos) {
    fs::path p = fs::weakly_canonical(fs::absolute(argv0, ec), ec);
    if (!ec && p.has_parent_path()) return withSlash(p.parent_path().string());
  }
  fs::path here = fs::current_path(ec);
  return ec ? std::string("./") : withSlash(here.string());
}

esitolettura caricaini(const std::string& path, std::string& errore) {
  std::vector<std::string> lines;
  esitolettura r = leggirighe(path, lines, errore);
  listaini = r == esitolettura::letto ? std::move(lines) : std::vector<std::string>{};
  return r;
}

bool leggiini() {
  int level = 0;
  if (!readInteger(valoreini("hash"), level)) return false;
  setHashLevel(level);
  const int moves = std::clamp(numero(valoreini("profonditalibro")), 0, MAXBOOKMOVES);
  profonditalibro = 2 * moves;
  abbandonoconsentito = valoreini("abbandona") == "si";
  nomeskin = fileNameSetting("skin", SKINPREDEFINITA);
  nomelingua = fileNameSetting("linguaggio", LINGUAPREDEFINITA);
  return true;
}

void inidefault() {
  setHashLevel(HASH_DEFAULT_LEVEL);
  profonditalibro = 0;
  abbandonoconsentito = false;
  nomeskin = SKINPREDEFINITA;
  nomelingua = LINGUAPREDEFINITA;
}

void caricaimpostazioni() {
  if (cartella.empty()) setUpFolders(nullptr);
  const std::string path = configFolder() + NOMEINI;
  std::string errore;
  const esitolettura r = caricaini(path, errore);
  if (r == esitolettura::letto) {
    if (leggiini()) return;
    reportProblem(path + ": hash=" + valoreini("hash") + " is not a whole number; default settings used");
  } else if (r == esitolettura::illeggibile) {
    reportProblem(errore + "; default settings used");
  }
  inidefault();
}

std::vector<std::string> componiini(const tvaloriini& v) {
  std::vector<std::string> lines = {
      "FILE DI CONFIGURAZIONE DI ZEFIRAN 3D",
      "NON EDITARE DIRETTAMENTE QUESTO FILE MA",
      "UTILIZZARE IL MENU' FILE -> CONFIGURAZIONE",
      "",
  };
  auto add = [&lines](const char* key, const std::string& value) {
    std::string text = oneLine(value);
    if (!text.empty()) lines.push_back(std::string(key) + "=" + text);
  };
  add("giocatore", v.giocatore);
  add("localita", v.localita);
  add("evento", v.evento);
  add("hash", std::to_string(v.hash));
  add("profonditalibro", std::to_string(v.profonditalibro));
  add("abbandona", v.abbandona ? "si" : "no");
  add("skin", v.skin);
  add("linguaggio", v.linguaggio);
  return lines;
}

bool salvaini(const tvaloriini& valori, std::string& errore) {
  listaini = componiini(valori);
  if (cartella.empty()) setUpFolders(nullptr);
  const std::string folder = configFolder();
  return makeUserFolder(folder, errore) && scrivirighe(folder + NOMEINI, listaini, errore);
}

#include "app/settingscommand.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "engine/position/game.h"
#include "settings/folders.h"
#include "settings/manageini.h"
#include "text/Textrout.h"

namespace {

// The ranges the configuration dialog and the reader allow.
constexpr int LOWESTLEVEL = 1;
constexpr int HIGHESTLEVEL = 10;
constexpr int DEFAULTLEVEL = 3;
constexpr int MOSTBOOKMOVES = 100;

bool wholeNumberIn(const std::string& text, int low, int high, int& out) {
  return readInteger(text, out) && out >= low && out <= high;
}

// A file of one of the data folder's folders, named without any folder part.
bool dataFile(const char* folder, const std::string& name) {
  if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..") return false;
  std::error_code ec;
  return std::filesystem::is_regular_file(cartella + folder + name, ec);
}

// The values the configuration dialog would show now.
tvaloriini inForce() {
  tvaloriini v;
  v.giocatore = valoreini("giocatore");
  v.localita = valoreini("localita");
  v.evento = valoreini("evento");
  if (!wholeNumberIn(valoreini("hash"), LOWESTLEVEL, HIGHESTLEVEL, v.hash)) v.hash = DEFAULTLEVEL;
  v.profonditalibro = profonditalibro / 2;
  v.abbandona = abbandonoconsentito;
  v.skin = nomeskin;
  v.linguaggio = nomelingua;
  return v;
}

// Applies one KEY=VALUE; what is wrong with it, or empty.
std::string change(tvaloriini& v, const std::string& setting) {
  const size_t eq = setting.find('=');
  if (eq == std::string::npos) return "not KEY=VALUE: " + setting;
  const std::string key = setting.substr(0, eq);
  const std::string value = setting.substr(eq + 1);
  if (key == "giocatore") {
    v.giocatore = value;
  } else if (key == "localita") {
    v.localita = value;
  } else if (key == "evento") {
    v.evento = value;
  } else if (key == "hash") {
    if (!wholeNumberIn(value, LOWESTLEVEL, HIGHESTLEVEL, v.hash)) return "hash must be 1 to 10: " + value;
  } else if (key == "profonditalibro") {
    if (!wholeNumberIn(value, 0, MOSTBOOKMOVES, v.profonditalibro)) return "profonditalibro must be 0 to 100: " + value;
  } else if (key == "abbandona") {
    if (value != "si" && value != "no") return "abbandona must be si or no: " + value;
    v.abbandona = value == "si";
  } else if (key == "skin") {
    if (!dataFile("skins/", value)) return "no skin " + value + " in " + cartella + "skins/";
    v.skin = value;
  } else if (key == "linguaggio") {
    if (!dataFile("languages/", value)) return "no language file " + value + " in " + cartella + "languages/";
    v.linguaggio = value;
  } else {
    return "unknown setting: " + key;
  }
  return {};
}

}  // namespace

int saveSettingsCommand(const std::vector<std::string>& args) {
  setUpFolders(nullptr);
  caricaimpostazioni();
  tvaloriini v = inForce();
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string problem = change(v, args[i]);
    if (!problem.empty()) {
      std::fprintf(stderr, "%s\n", problem.c_str());
      return 2;
    }
  }
  std::string errore;
  if (!salvaini(v, errore)) {
    std::fprintf(stderr, "cannot save the settings: %s\n", errore.c_str());
    return 1;
  }
  std::printf("%s%s\n", configFolder().c_str(), NOMEINI);
  return 0;
}

#include "settings/language.h"

#include "settings/manageini.h"
#include "text/namevalue.h"

std::vector<std::string> listalingua;

namespace {

bool builtIn = false;

bool definesSomeKey(const std::vector<std::string>& lines) {
  for (std::string_view key : chiavilingua)
    if (definesName(lines, key)) return true;
  return false;
}

}  // namespace

std::string testo(std::string_view key) { return lookupNameValue(listalingua, key); }

bool caricalingua(std::string_view name, std::string& errore) {
  const std::string path = cartella + "languages/" + std::string(name);
  std::vector<std::string> lines;
  if (leggirighe(path, lines, errore) != esitolettura::letto) return false;
  if (!definesSomeKey(lines)) {
    errore = path + " is not a language file: it defines none of the program's texts";
    return false;
  }
  listalingua = std::move(lines);
  builtIn = false;
  return true;
}

void caricalinguainterna() {
  listalingua = dividirighe(testoinglese());
  builtIn = true;
}

bool linguainterna() { return builtIn; }

void caricalinguaavvio() {
  std::string errore;
  if (caricalingua(nomelingua, errore)) return;
  reportProblem(errore + "; using the built-in English texts");
  caricalinguainterna();
}

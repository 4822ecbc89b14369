#include "game/bookbuild.h"

#include <vector>

#include "engine/toolkit.h"
#include "game/game.h"
#include "game/gamefiles.h"
#include "records/pgnfen.h"
#include "settings/folders.h"
#include "settings/language.h"
#include "settings/manageini.h"
#include "text/Textrout.h"
#include "text/namevalue.h"

int aggiungipartitebook(const tavanzamentobook& avanzamento) {
  const std::vector<std::string> index = indicepartite;
  const int total = static_cast<int>(index.size());
  BookBuildReport& r = lastBookBuild;
  r = BookBuildReport{};
  if (avanzamento) avanzamento(0, total, std::string());
  for (int i = 0; i < total; ++i) {
    // Only a game read to its end says what its result was played from.
    if (caricapartita(rigadiindice(index[i])) != esitocaricamento::completa) {
      ++r.stopped;
    } else if (!game::record().startfen.empty()) {
      ++r.setUp;
    } else {
      const char letter = letterOfResult(game::record().result.view());
      std::string s = chiavelibro(game::record().count);
      const size_t whole = s.size();
      s = tagliafine(s, 2);  // the game's last half-move leads nowhere
      if (whole > 120 && letter == 'X') s.resize(120);
      if (letter == 0) {
        ++r.noResult;
      } else if (s.empty()) {
        ++r.tooShort;
      } else {
        listabook.push_back(s + "," + letter);
        ++r.added;
      }
    }
    if (avanzamento) {
      const std::string label =
          testo("P_CALCULATED") + " " + std::to_string(i + 1) + " " + testo("P_GAMESOF") + " " + std::to_string(total);
      avanzamento(i + 1, total, label);
    }
    pumpMessages();
  }
  return r.added;
}

bool managebook(const tavanzamentobook& avanzamento, std::string& errore) {
  aggiungipartitebook(avanzamento);
  const std::string folder = userDataFolder();
  return makeUserFolder(folder, errore) && scrivibook(folder + NOMEBOOK, errore);
}

bool nuovobook(const tavanzamentobook& avanzamento, std::string& errore) {
  const std::string folder = userDataFolder();
  if (!makeUserFolder(folder, errore) || !scrivirighe(folder + NOMEBOOKVECCHIO, listabook, errore)) return false;
  listabook.clear();
  return managebook(avanzamento, errore);
}

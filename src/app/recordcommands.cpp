#include "app/recordcommands.h"

#include <cstdio>
#include <string>

#include "engine/engine.h"
#include "engine/position/position.h"
#include "engine/search/cache.h"
#include "game/bookbuild.h"
#include "game/gamefiles.h"
#include "records/book.h"
#include "records/pgnfen.h"
#include "settings/language.h"

namespace {

std::string halfMovesText(long n) { return std::to_string(n) + (n == 1 ? " half-move" : " half-moves"); }

// Every game loaded sets up a position, and every set-up clears the
// transposition table; these entries never search, so the smallest table does.
void startEngine() {
  setHashLevel(1);
  initialiseEngine(0);
  caricalinguainterna();
}

}  // namespace

int buildBookCommand(const std::vector<std::string>& args) {
  if (args.size() < 3) {
    std::fprintf(stderr, "usage: Zefiran3D --build-book OUT.opn GAMES.pgn...\n");
    return 2;
  }
  startEngine();
  listabook.clear();
  int games = 0, lines = 0;
  BookBuildReport skipped;
  for (size_t i = 2; i < args.size(); ++i) {
    std::string errore;
    if (!aprifilepgn(args[i], errore)) {
      std::fprintf(stderr, "%s\n", errore.c_str());
      return 2;
    }
    games += static_cast<int>(indicepartite.size());
    lines += aggiungipartitebook(nullptr);
    skipped.stopped += lastBookBuild.stopped;
    skipped.noResult += lastBookBuild.noResult;
    skipped.setUp += lastBookBuild.setUp;
    skipped.tooShort += lastBookBuild.tooShort;
  }
  std::string errore;
  if (!scrivibook(args[1], errore)) {
    std::fprintf(stderr, "%s\n", errore.c_str());
    return 2;
  }
  std::printf("%s: %d lines from %d games in %zu files; %s\n", args[1].c_str(), lines, games, args.size() - 2,
              bookSkipText(skipped).c_str());
  return 0;
}

int pgnCheckCommand(const std::vector<std::string>& args) {
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: Zefiran3D --pgn-check FILE.pgn\n");
    return 2;
  }
  startEngine();
  std::string errore;
  if (!aprifilepgn(args[1], errore)) {
    std::fprintf(stderr, "%s\n", errore.c_str());
    return 2;
  }
  const std::vector<std::string> index = indicepartite;
  int complete = 0;
  long halfmoves = 0;
  for (const std::string& entry : index) {
    const esitocaricamento outcome = caricapartita(rigadiindice(entry));
    const int played = outcome == esitocaricamento::rifiutata ? 0 : partita.count;
    halfmoves += played;
    if (outcome == esitocaricamento::completa) {
      ++complete;
      std::printf("%s: %s\n", entry.c_str(), halfMovesText(played).c_str());
    } else {
      std::printf("%s: %s, %s\n", entry.c_str(), halfMovesText(played).c_str(), loadReportText(lastLoad).c_str());
    }
  }
  std::printf("%s: %zu games, %d complete, %zu stopped, %s\n", args[1].c_str(), index.size(), complete,
              index.size() - static_cast<size_t>(complete), halfMovesText(halfmoves).c_str());
  return complete == static_cast<int>(index.size()) ? 0 : 1;
}

#include "app/recordcommands.h"

#include <cstdio>

#include "engine/engine.h"
#include "engine/position/position.h"
#include "engine/search/cache.h"
#include "records/book.h"
#include "records/pgnfen.h"

namespace {

// Every game loaded sets up a position, and every set-up clears the
// transposition table; these entries never search, so the smallest table does.
void startEngine() {
  setHashLevel(1);
  initialiseEngine(0);
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
  for (size_t i = 2; i < args.size(); ++i) {
    std::string errore;
    if (!aprifilepgn(args[i], errore)) {
      std::fprintf(stderr, "%s\n", errore.c_str());
      return 2;
    }
    games += static_cast<int>(indicepartite.size());
    lines += aggiungipartitebook(nullptr);
  }
  std::string errore;
  if (!scrivibook(args[1], errore)) {
    std::fprintf(stderr, "%s\n", errore.c_str());
    return 2;
  }
  std::printf("%s: %d lines from %d games in %zu files\n", args[1].c_str(), lines, games, args.size() - 2);
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
    std::string failed;
    const esitocaricamento outcome = caricapartita(rigadiindice(entry), &failed);
    const int played = outcome == esitocaricamento::rifiutata ? 0 : partita.count;
    halfmoves += played;
    if (outcome == esitocaricamento::completa) {
      ++complete;
      std::printf("%s: %d half-moves\n", entry.c_str(), played);
    } else {
      std::printf("%s: %d half-moves, stopped at %s\n", entry.c_str(), played, failed.c_str());
    }
  }
  std::printf("%s: %zu games, %d complete, %zu stopped, %ld half-moves\n", args[1].c_str(), index.size(), complete,
              index.size() - static_cast<size_t>(complete), halfmoves);
  return complete == static_cast<int>(index.size()) ? 0 : 1;
}

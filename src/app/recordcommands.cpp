#include "app/recordcommands.h"

#include <cstdio>
#include <string>

#include "app/replacingfile.h"
#include "engine/engine.h"
#include "engine/host.h"
#include "engine/position/position.h"
#include "engine/search/cache.h"
#include "game/bookbuild.h"
#include "game/gamefiles.h"
#include "records/book.h"
#include "records/pgnfen.h"
#include "settings/language.h"

namespace {

std::string halfMovesText(long n) { return std::to_string(n) + (n == 1 ? " half-move" : " half-moves"); }

// The program's answers, less the notation the game record keeps of each
// move for the move list: these entries show no list, and saving writes
// the notation afresh from the moves.
class NoMoveListHost : public EngineHost {
 public:
  EngineHost* inner = nullptr;
  void writeLine(const std::string& line) override { inner->writeLine(line); }
  std::string setting(std::string_view name) override { return inner->setting(name); }
  uint32_t bookMove() override { return inner->bookMove(); }
  std::string moveText(uint32_t) override { return {}; }
  void verificationLine(const std::string& line) override { inner->verificationLine(line); }
};
NoMoveListHost noMoveListHost;

// Every game loaded sets up a position, and every set-up clears the
// transposition table; these entries never search, so the smallest table does.
void startEngine() {
  setHashLevel(1);
  initialiseEngine(0);
  caricalinguainterna();
}

// Nor do they need a transposition table at all: every game's set-up would
// clear it.
void startLoadsOnly() {
  startEngine();
  releaseHashTable();
  if (&engineHost() != &noMoveListHost) {
    noMoveListHost.inner = &engineHost();
    setEngineHost(&noMoveListHost);
  }
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

namespace {

// The loading commands' start: their arguments counted, the engine ready,
// the game file (the first argument) opened; false, with the message
// written, when any of it fails.
bool openForLoading(const std::vector<std::string>& args, size_t count, const char* usage) {
  if (args.size() != count) {
    std::fprintf(stderr, "usage: %s\n", usage);
    return false;
  }
  startLoadsOnly();
  std::string errore;
  if (!aprifilepgn(args[1], errore)) {
    std::fprintf(stderr, "%s\n", errore.c_str());
    return false;
  }
  return true;
}

}  // namespace

int pgnCheckCommand(const std::vector<std::string>& args) {
  if (!openForLoading(args, 2, "Zefiran3D --pgn-check FILE.pgn")) return 2;
  // Loading a game leaves the index as it is: no copy of it is needed.
  const std::vector<std::string>& index = indicepartite;
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

int pgnCopyCommand(const std::vector<std::string>& args) {
  if (!openForLoading(args, 3, "Zefiran3D --pgn-copy IN.pgn OUT.pgn")) return 2;
  std::string errore;
  ReplacingFile out(args[2]);
  const size_t games = indicepartite.size();
  size_t written = 0, stopped = 0;
  for (size_t i = 0; i < games; ++i) {
    const std::string entry = indicepartite[i];
    const esitocaricamento outcome = caricapartita(rigadiindice(entry));
    if (outcome != esitocaricamento::completa) {
      ++stopped;
      std::printf("%s: %s\n", entry.c_str(),
                  outcome == esitocaricamento::rifiutata ? ("not copied, " + loadReportText(lastLoad)).c_str()
                                                         : loadReportText(lastLoad).c_str());
    }
    if (outcome == esitocaricamento::rifiutata) continue;
    // Games are apart by a blank line, as in any PGN file.
    std::string text;
    for (const std::string& line : righepgn()) text += line + "\r\n";
    out.write(written ? "\r\n" + text : text);
    ++written;
  }
  if (!out.commit(errore)) {
    std::fprintf(stderr, "%s\n", errore.c_str());
    return 2;
  }
  std::printf("%s: %zu games, %zu written, %zu stopped or refused\n", args[2].c_str(), games, written, stopped);
  return stopped ? 1 : 0;
}

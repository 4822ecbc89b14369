// Game files and the opening book over the shipped game records: reading and
// indexing the files, loading every game, building the book, and the book
// lookup the engine makes before each of its moves.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/position/fen.h"
#include "engine/position/game.h"
#include "engine/position/position.h"
#include "engine/search/cache.h"
#include "game/bookbuild.h"
#include "game/gamefiles.h"
#include "records/book.h"
#include "records/pgnfen.h"
#include "settings/manageini.h"

#ifndef ZEF_SOURCE_DIR
#define ZEF_SOURCE_DIR "."
#endif

namespace {

std::vector<std::string> gameFiles() {
  std::vector<std::string> files;
  const std::string dir = std::string(ZEF_SOURCE_DIR) + "/data/book/games";
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(dir, ec))
    if (e.path().extension() == ".pgn") files.push_back(e.path().string());
  std::sort(files.begin(), files.end());
  return files;
}

void initialiseOnce() {
  static bool done = false;
  if (done) return;
  done = true;
  initialiseEngine(0);
}

struct LoadedFile {
  std::string text;
  std::vector<std::string> index;
};

const std::vector<LoadedFile>& loadedFiles() {
  static std::vector<LoadedFile> files = [] {
    std::vector<LoadedFile> out;
    for (const std::string& f : gameFiles()) {
      std::string errore;
      std::vector<std::string> lines;
      if (!aprifilepgn(f, errore) || !leggirighefile(f, lines, errore)) continue;
      std::string text;
      for (const std::string& line : lines) text += line + "\n";
      out.push_back({text, indicepartite});
    }
    return out;
  }();
  return files;
}

void BM_ReadAndIndexAllFiles(benchmark::State& state) {
  initialiseOnce();
  const std::vector<std::string> files = gameFiles();
  int64_t games = 0;
  for (auto _ : state) {
    for (const std::string& f : files) {
      std::string errore;
      aprifilepgn(f, errore);
      games += static_cast<int64_t>(indicepartite.size());
    }
  }
  state.counters["games/s"] = benchmark::Counter(static_cast<double>(games), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReadAndIndexAllFiles)->Unit(benchmark::kMillisecond);

// Argument: the "hash" level of the transposition table, which every set-up
// clears (3 is the program's default, 1 what the command-line entries use).
void BM_LoadEveryGame(benchmark::State& state) {
  initialiseOnce();
  setHashLevel(static_cast<int>(state.range(0)));
  const std::vector<LoadedFile>& files = loadedFiles();
  int64_t games = 0, halfmoves = 0;
  for (auto _ : state) {
    for (const LoadedFile& f : files) {
      openPgnText(f.text);
      for (const std::string& entry : f.index) {
        caricapartita(rigadiindice(entry));
        halfmoves += partita.count;
        ++games;
      }
    }
  }
  state.counters["games/s"] = benchmark::Counter(static_cast<double>(games), benchmark::Counter::kIsRate);
  state.counters["half-moves/s"] = benchmark::Counter(static_cast<double>(halfmoves), benchmark::Counter::kIsRate);
  setHashLevel(HASH_DEFAULT_LEVEL);
}
BENCHMARK(BM_LoadEveryGame)->Arg(3)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_BuildBook(benchmark::State& state) {
  initialiseOnce();
  const std::vector<LoadedFile>& files = loadedFiles();
  for (auto _ : state) {
    listabook.clear();
    for (const LoadedFile& f : files) {
      openPgnText(f.text);
      aggiungipartitebook(nullptr);
    }
    std::stable_sort(listabook.begin(), listabook.end());
    benchmark::DoNotOptimize(listabook.data());
  }
  state.counters["lines"] = static_cast<double>(listabook.size());
}
BENCHMARK(BM_BuildBook)->Unit(benchmark::kMillisecond);

// The shipped book, built once.
void useShippedBook() {
  static std::vector<std::string> book = [] {
    listabook.clear();
    for (const LoadedFile& f : loadedFiles()) {
      openPgnText(f.text);
      aggiungipartitebook(nullptr);
    }
    std::stable_sort(listabook.begin(), listabook.end());
    return listabook;
  }();
  listabook = book;
  profonditalibro = 20;
}

void playFromStart(const std::vector<std::pair<int, int>>& moves) {
  impostafen(STARTFEN, true);
  for (auto [from, to] : moves) giocamossa(mossavalida(mvMake(from, to)));
}

void BM_BookLookupAtStart(benchmark::State& state) {
  initialiseOnce();
  useShippedBook();
  playFromStart({});
  for (auto _ : state) benchmark::DoNotOptimize(trovamossadabook(false));
}
BENCHMARK(BM_BookLookupAtStart)->Unit(benchmark::kMicrosecond);

void BM_BookLookupAfterFourPlies(benchmark::State& state) {
  initialiseOnce();
  useShippedBook();
  playFromStart({{12, 28}, {52, 36}, {6, 21}, {57, 42}});  // 1. e4 e5 2. Nf3 Nc6
  for (auto _ : state) benchmark::DoNotOptimize(trovamossadabook(false));
}
BENCHMARK(BM_BookLookupAfterFourPlies)->Unit(benchmark::kMicrosecond);

void BM_BookShowModeAtStart(benchmark::State& state) {
  initialiseOnce();
  useShippedBook();
  playFromStart({});
  for (auto _ : state) {
    trovamossadabook(true);
    benchmark::DoNotOptimize(propostebook.data());
  }
}
BENCHMARK(BM_BookShowModeAtStart)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

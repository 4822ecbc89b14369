// Perft speed: leaves per second for the start position to depth 6 and
// "Kiwipete" to depth 5 (counts checked, so a wrong generator cannot look fast).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "engine/engine.h"
#include "engine/position/fen.h"
#include "engine/position/perft.h"
#include "engine/position/position.h"

namespace {

void run(benchmark::State& state, const char* fen, int depth, uint64_t expected) {
  initialiseEngine(0);
  uint64_t n = 0;
  for (auto _ : state) {
    impostafen(fen, true);
    perftmode = 1;
    n = perft(depth);
    perftmode = 0;
    if (n != expected) {
      state.SkipWithError("wrong perft count");
      break;
    }
  }
  state.counters["nodes_per_second"] =
      benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_PerftStart6(benchmark::State& state) { run(state, STARTFEN, 6, 119060324ull); }
void BM_PerftKiwipete5(benchmark::State& state) {
  run(state, "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -", 5, 193690690ull);
}

}  // namespace

BENCHMARK(BM_PerftStart6)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_PerftKiwipete5)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_MAIN();

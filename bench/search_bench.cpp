// Fixed-depth search over a dozen positions (openings, middlegames, endings)
// with evaluation noise 0. The node totals are deterministic: they are the
// search's signature, so a change that alters the search shows up here.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

#include "engine/engine.h"
#include "engine/position/fen.h"
#include "engine/position/makemove.h"
#include "engine/position/position.h"
#include "engine/search/cache.h"
#include "engine/search/clock.h"
#include "engine/search/driver.h"
#include "engine/search/evaluation.h"
#include "engine/search/quiescenza.h"
#include "engine/search/searchstate.h"
#include "engine/toolkit.h"
#include "searchsuite.h"

namespace {

void BM_SearchSuite(benchmark::State& state) {
  initialiseEngine(0);
  long long nodes = 0, quiescence = 0, made = 0;
  double seconds = 0;
  for (auto _ : state) {
    nodes = quiescence = made = 0;
    seconds = 0;
    seedRandom(1);
    for (const searchsuite::Position& p : searchsuite::positions) {
      impostafen(p.fen, true);
      searchDeadline = 0x7fffffff;
      moveStart = adesso();
      clockNow = moveStart;
      SearchLimits limits;
      limits.targetDepth = p.depth;
      long long q = 0;
      positionsMade = 0;
      const auto t0 = std::chrono::steady_clock::now();
      iterativeDeepening(limits, [&](const Iteration&) { q += captureGenCalls; });
      seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
      nodes += genCalls;
      quiescence += q;
      made += static_cast<long long>(positionsMade);
    }
  }
  state.counters["full_generator_calls"] = static_cast<double>(nodes);
  state.counters["capture_generator_calls"] = static_cast<double>(quiescence);
  state.counters["positions_made"] = static_cast<double>(made);
  state.counters["positions_per_second"] = static_cast<double>(made) / seconds;
  state.counters["generator_calls_per_second"] = static_cast<double>(nodes + quiescence) / seconds;
  std::printf("signature: %lld full-generator calls, %lld capture-generator calls, %lld positions made\n", nodes,
              quiescence, made);
}

}  // namespace

BENCHMARK(BM_SearchSuite)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_MAIN();

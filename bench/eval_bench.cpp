// Full-evaluation speed: evaluations per second over a fixed set of middle
// games. Each position sits in its own record and pawn slot, so the loop
// measures the evaluation alone.
#include <benchmark/benchmark.h>

#include "engine/engine.h"
#include "engine/position/fen.h"
#include "engine/position/position.h"
#include "engine/search/evaluation.h"

namespace {

const char* const positions[] = {
    "r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3",
    "r1bq1rk1/ppp2ppp/2np1n2/2b1p3/2B1P3/2NP1N2/PPP2PPP/R1BQ1RK1 w - - 0 7",
    "r2q1rk1/pp2bppp/2n1pn2/3p4/3P4/2NBPN2/PP3PPP/R2Q1RK1 w - - 0 10",
    "2rq1rk1/pb1nbppp/1p2pn2/2pp4/2PP4/1PN1PN2/PB2BPPP/2RQ1RK1 w - - 0 11",
    "r1b2rk1/pp1nqppp/2p1p3/3p4/2PP4/2N1PN2/PPQ2PPP/R3KB1R w KQ - 0 10",
    "r3k2r/ppp2ppp/2n1bn2/2bqp3/8/2NP1N2/PPPBBPPP/R2QK2R b KQkq - 3 8",
    "3r1rk1/pp3ppp/2n1b3/q1pp4/8/P1PBPN2/2Q2PPP/R4RK1 w - - 0 15",
    "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10",
    "r1bqr1k1/pp1n1pbp/2pp1np1/4p3/2PPP3/2N1BP2/PP1QN1PP/R3KB1R w KQ - 0 9",
    "rnb1kb1r/ppq2ppp/4pn2/2pp4/3P4/2PBPN2/PP1N1PPP/R1BQK2R w KQkq - 0 7",
    "2r2rk1/1q3ppp/8/8/8/8/1Q3PPP/2R2RK1 w - - 0 1",
    "4rrk1/pp1b1ppp/2n5/q2N4/3QP3/8/PPP2PPP/1K1R3R w - - 0 1",
};
constexpr int count = sizeof(positions) / sizeof(positions[0]);

void BM_EvaluateFull(benchmark::State& state) {
  initialiseEngine(0);
  for (int i = 0; i < count; ++i) {
    impostafen(positions[i], true);
    posizioni[0].pawnslot = static_cast<uint16_t>(i + 1);
    ply = 0;
    evaluatePawns();
    posizioni[i + 1] = posizioni[0];
  }
  int64_t evaluations = 0;
  int sum = 0;
  for (auto _ : state) {
    for (int i = 1; i <= count; ++i) {
      ply = i;
      sum += evaluateFull(0);
    }
    evaluations += count;
  }
  benchmark::DoNotOptimize(sum);
  ply = 0;
  state.counters["evaluations_per_second"] =
      benchmark::Counter(static_cast<double>(evaluations), benchmark::Counter::kIsRate);
}

void BM_EvaluatePawns(benchmark::State& state) {
  initialiseEngine(0);
  impostafen(positions[2], true);
  ply = 0;
  int64_t n = 0;
  for (auto _ : state) {
    evaluatePawns();
    benchmark::DoNotOptimize(pawnEntries[0].pawnScore);
    ++n;
  }
  state.counters["entries_per_second"] = benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(BM_EvaluateFull);
BENCHMARK(BM_EvaluatePawns);
BENCHMARK_MAIN();

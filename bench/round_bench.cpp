// Rounds per second of the engine with settlement, one thread, no screen.
#include <benchmark/benchmark.h>

#include "reference_chart.h"
#include "runs/simulator.h"

namespace quorvel {
namespace {

void PlayRounds(benchmark::State& state, int players, int penetration) {
  Simulator simulator;
  AppliedSettings settings;
  settings.rules.players = players;
  settings.rules.decks = 6;
  settings.rules.penetration = penetration;
  settings.money.bankroll = 1000000;
  settings.money.unitDollars = 10;
  settings.tableMaximum = 1000;
  simulator.Seed(12345);
  simulator.ApplySettings(settings);
  simulator.engine.chart = testing::ReferenceChart();
  simulator.run.testRunning = 1;
  for (auto _ : state) simulator.DealCards();
  benchmark::DoNotOptimize(simulator.money.bankroll);
  state.counters["rounds/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
}

void BM_OneSeatSixDecks75(benchmark::State& state) { PlayRounds(state, 1, 75); }
void BM_SevenSeatsSixDecks75(benchmark::State& state) { PlayRounds(state, 7, 75); }
void BM_OneSeatContinuousShuffle(benchmark::State& state) { PlayRounds(state, 1, 0); }

BENCHMARK(BM_OneSeatSixDecks75);
BENCHMARK(BM_SevenSeatsSixDecks75);
BENCHMARK(BM_OneSeatContinuousShuffle);

}  // namespace
}  // namespace quorvel

BENCHMARK_MAIN();

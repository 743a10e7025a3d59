// Rounds per second of the engine with settlement, one thread, no screen; and the shuffle alone.
#include <benchmark/benchmark.h>

#include "reference_chart.h"
#include "runs/simulator.h"

namespace quorvel {
namespace {

// The SIMD shuffles, and the scalar loop every processor runs.
constexpr ShuffleVariant kWide = ShuffleVariant::kAvx512;
constexpr ShuffleVariant kAvx2 = ShuffleVariant::kAvx2;
constexpr ShuffleVariant kScalar = ShuffleVariant::kScalar;

bool SkipUnlessRuns(benchmark::State& state, ShuffleVariant variant) {
  if (ShuffleVariantRuns(variant)) return false;
  state.SkipWithError("this processor cannot run the variant");
  return true;
}

void PlayRounds(benchmark::State& state, int players, int penetration, ShuffleVariant variant) {
  if (SkipUnlessRuns(state, variant)) return;
  Simulator simulator;
  AppliedSettings settings;
  settings.rules.players = players;
  settings.rules.decks = 6;
  settings.rules.penetration = penetration;
  settings.money.bankroll = 1000000;
  settings.money.unitDollars = 10;
  settings.tableMaximum = 1000;
  simulator.engine.shoe.SetShuffleVariant(variant);
  simulator.Seed(12345);
  simulator.ApplySettings(settings);
  simulator.engine.chart = testing::ReferenceChart();
  simulator.run.testRunning = 1;
  for (auto _ : state) simulator.DealCards();
  benchmark::DoNotOptimize(simulator.money.bankroll);
  state.counters["rounds/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
}

void ShufflePasses(benchmark::State& state, ShuffleVariant variant) {
  if (SkipUnlessRuns(state, variant)) return;
  Shoe shoe;
  shoe.SetDecks(6);
  shoe.SetShuffleVariant(variant);
  shoe.Random().Seed(12345);
  for (auto _ : state) shoe.Shuffle();
  benchmark::DoNotOptimize(shoe.cards);
  state.counters["passes/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
}

void BM_OneSeatSixDecks75(benchmark::State& state) { PlayRounds(state, 1, 75, kWide); }
void BM_SevenSeatsSixDecks75(benchmark::State& state) { PlayRounds(state, 7, 75, kWide); }
void BM_OneSeatContinuousShuffle(benchmark::State& state) { PlayRounds(state, 1, 0, kWide); }
void BM_OneSeatSixDecks75Avx2(benchmark::State& state) { PlayRounds(state, 1, 75, kAvx2); }
void BM_SevenSeatsSixDecks75Avx2(benchmark::State& state) { PlayRounds(state, 7, 75, kAvx2); }
void BM_OneSeatContinuousShuffleAvx2(benchmark::State& state) { PlayRounds(state, 1, 0, kAvx2); }
void BM_OneSeatSixDecks75Scalar(benchmark::State& state) { PlayRounds(state, 1, 75, kScalar); }
void BM_SevenSeatsSixDecks75Scalar(benchmark::State& state) { PlayRounds(state, 7, 75, kScalar); }
void BM_OneSeatContinuousShuffleScalar(benchmark::State& state) { PlayRounds(state, 1, 0, kScalar); }
void BM_ShuffleSixDecks(benchmark::State& state) { ShufflePasses(state, kWide); }
void BM_ShuffleSixDecksAvx2(benchmark::State& state) { ShufflePasses(state, kAvx2); }
void BM_ShuffleSixDecksScalar(benchmark::State& state) { ShufflePasses(state, kScalar); }

BENCHMARK(BM_OneSeatSixDecks75);
BENCHMARK(BM_SevenSeatsSixDecks75);
BENCHMARK(BM_OneSeatContinuousShuffle);
BENCHMARK(BM_OneSeatSixDecks75Avx2);
BENCHMARK(BM_SevenSeatsSixDecks75Avx2);
BENCHMARK(BM_OneSeatContinuousShuffleAvx2);
BENCHMARK(BM_OneSeatSixDecks75Scalar);
BENCHMARK(BM_SevenSeatsSixDecks75Scalar);
BENCHMARK(BM_OneSeatContinuousShuffleScalar);
BENCHMARK(BM_ShuffleSixDecks);
BENCHMARK(BM_ShuffleSixDecksAvx2);
BENCHMARK(BM_ShuffleSixDecksScalar);

}  // namespace
}  // namespace quorvel

BENCHMARK_MAIN();

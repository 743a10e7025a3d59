// Tallying a batch of rounds: four stretches side by side, or one round after another.
#include "runs/batch_fold.h"

#include <immintrin.h>

#include <array>
#include <iterator>

namespace quorvel {
namespace {

// One round of a stretch, in the order both kernels keep.
struct InOrderTally {
  double before;  // the bankroll the next round starts from
  RoundsTally tally;

  void Round(double after, double stake, double twinNet) {
    RoundsTally& t = tally;
    t.cover = Lower(t.cover, before - stake);
    before = after;
    t.low = Lower(t.low, after);
    t.peak = Higher(t.peak, after);
    t.fall = Higher(t.fall, t.peak - after);
    t.largestStake = Higher(t.largestStake, stake);
    t.twinLowBefore = Lower(t.twinLowBefore, t.twinGain);
    t.twinGain += twinNet;
    t.twinPeak = Higher(t.twinPeak, t.twinGain);
    t.twinLow = Lower(t.twinLow, t.twinGain);
    t.twinFall = Higher(t.twinFall, t.twinPeak - t.twinGain);
  }
};

RoundsTally FoldInOrder(const BatchRoom& room, std::size_t rounds, double before, double unit) {
  InOrderTally lane{before, RoundsTally{}};
  for (std::size_t k = 0; k < rounds; ++k) {
    const std::size_t place = BatchRoom::Place(k);
    lane.Round(room.after[place], room.stake[place], room.net[place] * unit);
  }
  return lane.tally;
}

// The four stretches of a full batch, a lane each of one register per mark:
// the same steps as a round in order, so the same numbers.
__attribute__((target("avx2"))) RoundsTally FoldAvx2(const BatchRoom& room, double before,
                                                     double unit) {
  constexpr std::size_t kRows = BatchRoom::kRows;
  const auto& after = room.after;
  const __m256d none = _mm256_set1_pd(RoundsTally::kNone);
  const __m256d zero = _mm256_setzero_pd();
  const __m256d twinUnit = _mm256_set1_pd(unit);
  // Each stretch starts from the bankroll the stretch before it left.
  __m256d prev =
      _mm256_set_pd(after[BatchRoom::Place(3 * kRows - 1)], after[BatchRoom::Place(2 * kRows - 1)],
                    after[BatchRoom::Place(kRows - 1)], before);
  __m256d peak = _mm256_sub_pd(zero, none), low = none, fall = zero, cover = none;
  __m256d largestStake = zero, gain = zero, twinPeak = peak, twinLow = none, twinFall = zero;
  __m256d twinLowBefore = none;
  for (std::size_t row = 0; row < kRows; ++row) {
    const std::size_t place = row * BatchRoom::kLanes;
    const __m256d a = _mm256_load_pd(&after[place]);
    const __m256d stake = _mm256_cvtps_pd(_mm_load_ps(&room.stake[place]));
    const __m256d net = _mm256_mul_pd(_mm256_cvtps_pd(_mm_load_ps(&room.net[place])), twinUnit);
    cover = _mm256_min_pd(cover, _mm256_sub_pd(prev, stake));
    prev = a;
    low = _mm256_min_pd(low, a);
    peak = _mm256_max_pd(peak, a);
    fall = _mm256_max_pd(fall, _mm256_sub_pd(peak, a));
    largestStake = _mm256_max_pd(largestStake, stake);
    twinLowBefore = _mm256_min_pd(twinLowBefore, gain);
    gain = _mm256_add_pd(gain, net);
    twinPeak = _mm256_max_pd(twinPeak, gain);
    twinLow = _mm256_min_pd(twinLow, gain);
    twinFall = _mm256_max_pd(twinFall, _mm256_sub_pd(twinPeak, gain));
  }
  const __m256d marks[] = {peak, low,      fall,    cover,    largestStake,
                           gain, twinPeak, twinLow, twinFall, twinLowBefore};
  constexpr double RoundsTally::*kFields[] = {
      &RoundsTally::peak,         &RoundsTally::low,          &RoundsTally::fall,
      &RoundsTally::cover,        &RoundsTally::largestStake, &RoundsTally::twinGain,
      &RoundsTally::twinPeak,     &RoundsTally::twinLow,      &RoundsTally::twinFall,
      &RoundsTally::twinLowBefore};
  std::array<RoundsTally, BatchRoom::kLanes> lanes;
  for (std::size_t m = 0; m < std::size(kFields); ++m) {
    alignas(32) double values[BatchRoom::kLanes];
    _mm256_store_pd(values, marks[m]);
    for (std::size_t j = 0; j < BatchRoom::kLanes; ++j) lanes[j].*kFields[m] = values[j];
  }
  for (std::size_t j = 1; j < BatchRoom::kLanes; ++j) lanes[0].Join(lanes[j]);
  return lanes[0];
}

}  // namespace

bool FoldKernelRuns(FoldKernel kernel) {
  return kernel == FoldKernel::kInOrder || __builtin_cpu_supports("avx2");
}

FoldKernel BestFoldKernel() {
  static const FoldKernel best =
      FoldKernelRuns(FoldKernel::kAvx2) ? FoldKernel::kAvx2 : FoldKernel::kInOrder;
  return best;
}

RoundsTally FoldBatch(const BatchRoom& room, std::size_t rounds, double before, float unit,
                      FoldKernel kernel) {
  const double twinUnit = unit;
  if (rounds == BatchRoom::kRounds && kernel == FoldKernel::kAvx2) {
    return FoldAvx2(room, before, twinUnit);
  }
  return FoldInOrder(room, rounds, before, twinUnit);
}

}  // namespace quorvel

// Where a batch of rounds is written down as it is played, laid out for tallying four stretches at once.
#pragma once

#include <array>
#include <cstddef>

namespace quorvel {

// The batch falls into four stretches of consecutive rounds, one a lane: the
// rows hold the first round of every stretch, then the second, and so on, so
// that one wide step tallies a round of each stretch.
struct BatchRoom {
  static constexpr std::size_t kRounds = 256;
  static constexpr std::size_t kLanes = 4;
  static constexpr std::size_t kRows = kRounds / kLanes;

  // Where round `k` of the batch (from 0) is kept.
  static constexpr std::size_t Place(std::size_t k) { return k % kRows * kLanes + k / kRows; }

  void Write(std::size_t place, double bankrollAfter, float roundStake, float roundNet) {
    after[place] = bankrollAfter;
    stake[place] = roundStake;
    net[place] = roundNet;
  }

  // Per round: the bankroll it left, the stake it was played at, and its net
  // result in stakes.
  alignas(32) std::array<double, kRounds> after;
  alignas(32) std::array<float, kRounds> stake;
  alignas(32) std::array<float, kRounds> net;
};

}  // namespace quorvel

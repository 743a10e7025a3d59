// Downsampled bankroll walks: bounded size, even spacing, the exact high and low kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "runs/walk_sampler.h"

namespace quorvel {
namespace {

struct Walk {
  std::vector<WalkPoint> all;
  std::vector<WalkPoint> kept;
};

// A random walk of `rounds` steps of -10, 0 or +10 (and rare large swings),
// handed to the sampler in runs of 1 to `longestRun` rounds.
Walk RandomWalk(double rounds, unsigned seed, std::size_t longestRun = 1) {
  std::mt19937 random(seed);
  WalkSampler sampler;
  Walk walk;
  double bankroll = 1000;
  sampler.Start(bankroll);
  walk.all.push_back({0, bankroll});
  for (double round = 1; round <= rounds; ++round) {
    const unsigned draw = random() % 1000;
    bankroll += draw == 0 ? 5000.0 : draw == 1 ? -7000.0 : static_cast<double>(draw % 3) * 10 - 10;
    walk.all.push_back({round, bankroll});
  }
  for (std::size_t first = 1; first < walk.all.size();) {
    const std::size_t count = std::min(1 + random() % longestRun, walk.all.size() - first);
    const auto run = walk.all.begin() + static_cast<std::ptrdiff_t>(first);
    auto byBankroll = [](const WalkPoint& a, const WalkPoint& b) {
      return a.bankroll < b.bankroll;
    };
    const auto [low, high] =
        std::minmax_element(run, run + static_cast<std::ptrdiff_t>(count), byBankroll);
    const double last = run[static_cast<std::ptrdiff_t>(count - 1)].bankroll;
    sampler.AddRounds(static_cast<double>(first), count, {high->bankroll, low->bankroll, last},
                      [&](std::size_t i) { return run[static_cast<std::ptrdiff_t>(i)].bankroll; });
    first += count;
  }
  walk.kept = sampler.Points();
  return walk;
}

TEST(WalkSamplerTest, ShortWalksAreKeptWhole) {
  for (double rounds : {0.0, 1.0, 1000.0, 1996.0}) {
    const Walk walk = RandomWalk(rounds, 3);
    ASSERT_EQ(walk.kept.size(), walk.all.size()) << rounds;
    for (std::size_t i = 0; i < walk.all.size(); ++i) {
      EXPECT_EQ(walk.kept[i].round, walk.all[i].round);
      EXPECT_EQ(walk.kept[i].bankroll, walk.all[i].bankroll);
    }
  }
}

TEST(WalkSamplerTest, LongWalksKeepTheirEndsHighAndLowWithinTheBound) {
  for (double rounds : {2000.0, 4093.0, 100000.0, 1234567.0}) {
    const Walk walk = RandomWalk(rounds, static_cast<unsigned>(rounds));
    const std::vector<WalkPoint>& kept = walk.kept;
    ASSERT_LE(kept.size(), WalkSampler::kMostPoints) << rounds;
    EXPECT_GT(kept.size(), WalkSampler::kMostPoints / 2 - 5) << rounds;
    EXPECT_EQ(kept.front().round, 0);
    EXPECT_EQ(kept.back().round, rounds);
    EXPECT_EQ(kept.back().bankroll, walk.all.back().bankroll);
    auto byBankroll = [](const WalkPoint& a, const WalkPoint& b) {
      return a.bankroll < b.bankroll;
    };
    const auto high = std::max_element(walk.all.begin(), walk.all.end(), byBankroll);
    const auto low = std::min_element(walk.all.begin(), walk.all.end(), byBankroll);
    EXPECT_EQ(std::max_element(kept.begin(), kept.end(), byBankroll)->bankroll, high->bankroll);
    EXPECT_EQ(std::min_element(kept.begin(), kept.end(), byBankroll)->bankroll, low->bankroll);
    // Every kept point is the walk's own value at its round, in round order.
    for (std::size_t i = 0; i < kept.size(); ++i) {
      EXPECT_EQ(kept[i].bankroll, walk.all[static_cast<std::size_t>(kept[i].round)].bankroll);
      if (i > 0) {
        EXPECT_LT(kept[i - 1].round, kept[i].round);
      }
    }
  }
}

TEST(WalkSamplerTest, RoundsHandedOverInRunsKeepTheSamePoints) {
  for (double rounds : {300.0, 5000.0, 100000.0}) {
    const Walk oneByOne = RandomWalk(rounds, 8);
    const Walk inRuns = RandomWalk(rounds, 8, 700);
    ASSERT_EQ(inRuns.kept.size(), oneByOne.kept.size()) << rounds;
    for (std::size_t i = 0; i < oneByOne.kept.size(); ++i) {
      EXPECT_EQ(inRuns.kept[i].round, oneByOne.kept[i].round) << rounds;
      EXPECT_EQ(inRuns.kept[i].bankroll, oneByOne.kept[i].bankroll) << rounds;
    }
  }
}

TEST(WalkSamplerTest, SpacingIsEvenApartFromTheAddedPoints) {
  const Walk walk = RandomWalk(100000, 11);
  // 100000 rounds in at most 1997 even steps: the spacing is the first power of two that fits.
  const double stride = 64;
  int onGrid = 0;
  for (const WalkPoint& point : walk.kept) onGrid += std::fmod(point.round, stride) == 0 ? 1 : 0;
  EXPECT_EQ(onGrid, static_cast<int>(100000 / stride) + 1);
  EXPECT_LE(walk.kept.size() - static_cast<std::size_t>(onGrid), 3u);
}

}  // namespace
}  // namespace quorvel

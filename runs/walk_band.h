// The mean bankroll walk of a test's sessions, round by round, with the band that holds 90 % of them.
#pragma once

#include <cstddef>
#include <vector>

#include "runs/test_runner.h"

namespace quorvel {

struct WalkBand {
  std::vector<double> rounds;
  std::vector<double> mean;
  std::vector<double> low;   // 5th percentile
  std::vector<double> high;  // 95th percentile
};

// At `points` evenly spaced rounds from 0 to the longest session's end, over
// the finished sessions whose walks were kept. A session that ended earlier
// stays at its last bankroll. Walks are kept downsampled, so between their
// points the bankroll is read on the straight line.
WalkBand BandOfWalks(const TestResult& result, std::size_t points);

}  // namespace quorvel

// A bankroll walk kept downsampled: at most a fixed number of points, its high and low exact.
#pragma once

#include <cstddef>
#include <vector>

namespace quorvel {

struct WalkPoint {
  double round = 0;     // 0 is the start of the session
  double bankroll = 0;  // after that round
};

class WalkSampler {
 public:
  static constexpr std::size_t kMostPoints = 2000;

  // The walk of a session that starts at `bankroll` (round 0).
  void Start(double bankroll);
  // The bankroll after round `round` (1, 2, 3, ... in order).
  void Add(double round, double bankroll) {
    if (bankroll > high_.bankroll) high_ = {round, bankroll};
    if (bankroll < low_.bankroll) low_ = {round, bankroll};
    last_ = {round, bankroll};
    if (round >= nextSample_) Sample(last_);
  }
  // The kept points in round order: evenly spaced rounds, the start, the last
  // round, the high and the low; never more than kMostPoints.
  std::vector<WalkPoint> Points() const;

 private:
  void Sample(const WalkPoint& point);

  // Room is left for the last point, the high and the low, which Points() adds.
  static constexpr std::size_t kSampled = kMostPoints - 3;
  std::vector<WalkPoint> sampled_;
  double stride_ = 1;
  double nextSample_ = 1;
  WalkPoint high_;
  WalkPoint low_;
  WalkPoint last_;
};

}  // namespace quorvel

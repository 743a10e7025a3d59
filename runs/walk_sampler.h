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
  // The bankrolls of a run of rounds: the highest, the lowest and the last.
  struct RunMarks {
    double high;
    double low;
    double last;
  };
  // Rounds `first` to `first + count - 1`, the next ones of the walk: `at(i)`
  // is the bankroll after the i-th of them (from 0). Only the rounds kept are
  // asked for, unless the run passes the walk's high or low.
  template <class BankrollAt>
  void AddRounds(double first, std::size_t count, const RunMarks& run, BankrollAt&& at) {
    if (count == 0) return;
    if (run.high > high_.bankroll || run.low < low_.bankroll) {
      for (std::size_t i = 0; i < count; ++i) {
        const double bankroll = at(i);
        if (bankroll > high_.bankroll) high_ = {first + static_cast<double>(i), bankroll};
        if (bankroll < low_.bankroll) low_ = {first + static_cast<double>(i), bankroll};
      }
    }
    const double end = first + static_cast<double>(count);
    while (nextSample_ < end)
      Sample({nextSample_, at(static_cast<std::size_t>(nextSample_ - first))});
    last_ = {end - 1, run.last};
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

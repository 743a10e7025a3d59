// The marks a session leaves on one bankroll, kept round by round: largest stake, drawdown, ruin, walk.
#pragma once

#include <utility>
#include <vector>

#include "runs/walk_sampler.h"

namespace quorvel {

struct BankrollMarks {
  float largestStake = 0;
  double largestDrawdown = 0;  // peak to trough, the start counting as a peak
  // The bankroll could not cover a stake it was asked for, or fell to zero.
  bool ruined = false;
  std::vector<WalkPoint> walk;  // empty unless the walk was kept
};

class BankrollTally {
 public:
  void Start(double bankroll, bool keepWalk) {
    marks_ = BankrollMarks{};
    peak_ = bankroll;
    keepWalk_ = keepWalk;
    if (keepWalk) walk_.Start(bankroll);
  }
  // Round `round` was played at `stake` from `before` and left `after`.
  void Round(double round, float stake, double before, double after) {
    if (stake > marks_.largestStake) marks_.largestStake = stake;
    if (before < stake || after <= 0) marks_.ruined = true;
    if (after > peak_) {
      peak_ = after;
    } else if (peak_ - after > marks_.largestDrawdown) {
      marks_.largestDrawdown = peak_ - after;
    }
    if (keepWalk_) walk_.Add(round, after);
  }
  BankrollMarks Finish() {
    if (keepWalk_) marks_.walk = walk_.Points();
    return std::move(marks_);
  }

 private:
  BankrollMarks marks_;
  double peak_ = 0;
  bool keepWalk_ = false;
  WalkSampler walk_;
};

}  // namespace quorvel

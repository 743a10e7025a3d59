// The marks a session leaves on one bankroll, round by round: largest stake, drawdown, ruin.
#pragma once

#include <algorithm>
#include <limits>
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

// The running highest and lowest of a mark. Without branches, as every
// per-round mark here: rounds are won and lost at random, and a mispredicted
// branch costs more than the arithmetic. In this form (a tie gives `value`,
// the same number) the compiler updates the running mark in place.
inline double Higher(double running, double value) { return running > value ? running : value; }
inline double Lower(double running, double value) { return running < value ? running : value; }

// The largest fall from a peak.
class DrawdownTracker {
 public:
  void Start(double bankroll) {
    peak_ = bankroll;
    largest_ = 0;
  }
  void Add(double bankroll) {
    peak_ = Higher(peak_, bankroll);
    largest_ = Higher(largest_, peak_ - bankroll);
  }
  double Largest() const { return largest_; }

 private:
  double peak_ = 0;
  double largest_ = 0;
};

class BankrollTally {
 public:
  void Start(double bankroll) {
    largestStake_ = 0;
    leastCover_ = kNone;
    lowest_ = kNone;
    drawdown_.Start(bankroll);
  }
  // A round played at `stake` from `before` that left `after`.
  void Round(float stake, double before, double after) {
    largestStake_ = std::max(largestStake_, stake);
    // Below 0 exactly when the stake was not covered: a difference of doubles
    // is 0 only for equal ones.
    leastCover_ = Lower(leastCover_, before - stake);
    lowest_ = Lower(lowest_, after);
    drawdown_.Add(after);
  }
  BankrollMarks Marks() const {
    BankrollMarks marks;
    marks.largestStake = largestStake_;
    marks.largestDrawdown = drawdown_.Largest();
    marks.ruined = leastCover_ < 0 || lowest_ <= 0;
    return marks;
  }

 private:
  static constexpr double kNone = std::numeric_limits<double>::infinity();

  float largestStake_ = 0;
  double leastCover_ = kNone;  // the least a bankroll exceeded its stake by
  double lowest_ = kNone;      // the lowest bankroll a round left
  DrawdownTracker drawdown_;
};

}  // namespace quorvel

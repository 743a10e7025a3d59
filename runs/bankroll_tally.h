// The marks a stretch of rounds leaves on a bankroll and its flat-bet twin, and how stretches join.
#pragma once

#include <limits>
#include <vector>

#include "runs/walk_sampler.h"

namespace quorvel {

struct BankrollMarks {
  float largestStake = 0;
  double largestDrawdown = 0;  // peak to trough, the start counting as a peak
  // The bankroll could not cover a stake it was asked for, or fell to zero.
  bool ruined = false;
  // The smallest whole-dollar starting bankroll that covers every stake.
  double requiredBankroll = 0;
  std::vector<WalkPoint> walk;  // empty unless the walk was kept
};

// The running highest and lowest of a mark. Without branches, as every
// per-round mark here: rounds are won and lost at random, and a mispredicted
// branch costs more than the arithmetic. In this form (a tie gives `value`,
// the same number) the compiler updates the running mark in place.
inline double Higher(double running, double value) { return running > value ? running : value; }
inline double Lower(double running, double value) { return running < value ? running : value; }

// What a stretch of rounds left. The system's marks are in dollars, from the
// bankrolls the rounds left; the twin's are relative to its bankroll at the
// stretch's start. The twin's rounds each add a multiple of a half of a float
// unit, so their sums over a stretch are exact in a double, in any order:
// stretches can be tallied apart and joined with the same result.
struct RoundsTally {
  static constexpr double kNone = std::numeric_limits<double>::infinity();

  double peak = -kNone;  // highest bankroll a round left
  double low = kNone;    // lowest bankroll a round left
  double fall = 0;       // largest fall from a peak within the stretch
  double cover = kNone;  // least a bankroll exceeded the stake asked of it
  double largestStake = 0;
  double twinGain = 0;  // the twin's net winnings over the stretch
  double twinPeak = -kNone;
  double twinLow = kNone;
  double twinFall = 0;
  double twinLowBefore = kNone;  // lowest twin bankroll a round started from

  // The tally of a session before its first round, from `bankroll`: the start
  // counts as a peak, and the twin's gain is its bankroll.
  static RoundsTally SessionStart(double bankroll) {
    RoundsTally start;
    start.peak = bankroll;
    start.twinGain = bankroll;
    start.twinPeak = bankroll;
    return start;
  }

  // This stretch followed by `next`.
  void Join(const RoundsTally& next) {
    fall = Higher(Higher(fall, next.fall), peak - next.low);
    peak = Higher(peak, next.peak);
    low = Lower(low, next.low);
    cover = Lower(cover, next.cover);
    largestStake = Higher(largestStake, next.largestStake);
    twinFall = Higher(Higher(twinFall, next.twinFall), twinPeak - (twinGain + next.twinLow));
    twinPeak = Higher(twinPeak, twinGain + next.twinPeak);
    twinLow = Lower(twinLow, twinGain + next.twinLow);
    twinLowBefore = Lower(twinLowBefore, twinGain + next.twinLowBefore);
    twinGain += next.twinGain;
  }

  // The marks of a session tallied from SessionStart.
  BankrollMarks SystemMarks() const {
    BankrollMarks marks;
    marks.largestStake = static_cast<float>(largestStake);
    marks.largestDrawdown = fall;
    // Below 0 exactly when a stake was not covered: a difference of doubles
    // is 0 only for equal ones.
    marks.ruined = cover < 0 || low <= 0;
    return marks;
  }
  // The twin's marks after `rounds` rounds at `unit` a stake. Its stake never
  // changes, so the lowest bankroll a round started from settles its ruin,
  // with the last round's result, which no round started from.
  BankrollMarks FlatMarks(float unit, double rounds) const {
    BankrollMarks marks;
    if (rounds > 0) {
      marks.largestStake = unit;
      marks.ruined = twinLowBefore < unit || twinGain <= 0;
    }
    marks.largestDrawdown = twinFall;
    return marks;
  }
};

}  // namespace quorvel

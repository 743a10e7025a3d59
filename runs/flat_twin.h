// A session's flat-bet twin: the same cards settled at one flat unit, no progression, no clamp.
#pragma once

#include "runs/bankroll_tally.h"

namespace quorvel {

class FlatTwin {
 public:
  void Start(double bankroll, float unit) {
    bankroll_ = bankroll;
    lowBefore_ = bankroll;
    unit_ = unit;
    drawdown_.Start(bankroll);
  }
  // Settles a round of the table from its net result in stakes. The stake
  // never changes, so its largest and the ruin need only the lowest bankroll a
  // round started from.
  void Round(float net) {
    lowBefore_ = Lower(lowBefore_, bankroll_);
    bankroll_ += static_cast<double>(net) * unit_;
    drawdown_.Add(bankroll_);
  }
  double Bankroll() const { return bankroll_; }
  // The table counts the whole stakes its hands put at risk; at a whole-dollar
  // unit their product is the same sum as adding the stakes one by one.
  double TotalBet(double stakesPlayed) const { return stakesPlayed * unit_; }
  float Unit() const { return unit_; }
  // The marks after `rounds` rounds. A fall to zero before the last round left
  // less than the unit for the next one, so only the last round's result needs
  // a look of its own.
  BankrollMarks Marks(double rounds) const {
    BankrollMarks marks;
    if (rounds > 0) {
      marks.largestStake = unit_;
      marks.ruined = lowBefore_ < unit_ || bankroll_ <= 0;
    }
    marks.largestDrawdown = drawdown_.Largest();
    return marks;
  }

 private:
  double bankroll_ = 0;
  double lowBefore_ = 0;
  float unit_ = 0;
  DrawdownTracker drawdown_;
};

}  // namespace quorvel

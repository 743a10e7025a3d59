// A session's flat-bet twin: the same cards settled at one flat unit, no progression, no clamp.
#pragma once

#include "runs/bankroll_tally.h"

namespace quorvel {

class FlatTwin {
 public:
  void Start(double bankroll, float unit, bool keepWalk) {
    bankroll_ = bankroll;
    stakes_ = 0;
    unit_ = unit;
    tally_.Start(bankroll, keepWalk);
  }
  // Settles the round the table just played: its net result in stakes and the
  // number of stakes its hands put at risk.
  void Round(double round, float net, float stakeCount) {
    const double before = bankroll_;
    bankroll_ += static_cast<double>(net) * unit_;
    stakes_ += stakeCount;
    tally_.Round(round, unit_, before, bankroll_);
  }
  double Bankroll() const { return bankroll_; }
  // Whole stakes times a whole-dollar unit: the same sum as adding the stakes one by one.
  double TotalBet() const { return stakes_ * unit_; }
  float Unit() const { return unit_; }
  BankrollMarks Finish() { return tally_.Finish(); }

 private:
  double bankroll_ = 0;
  double stakes_ = 0;
  float unit_ = 0;
  BankrollTally tally_;
};

}  // namespace quorvel

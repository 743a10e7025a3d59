// A session's flat-bet twin: the same cards settled at one flat unit, no progression, no clamp.
#pragma once

#include <array>

#include "money/bet_sizing.h"
#include "runs/bankroll_tally.h"

namespace quorvel {

class FlatTwin {
 public:
  void Start(double bankroll, float unit, bool keepWalk) {
    bankroll_ = bankroll;
    totalBet_ = 0;
    unit_ = unit;
    tally_.Start(bankroll, keepWalk);
  }
  // Settles the round the table just played: its net result in stakes and the
  // stakes of each hand, as the table settled them at its own bet.
  void Round(double round, float net, const std::array<float, 4>& stakes) {
    const double before = bankroll_;
    bankroll_ += static_cast<double>(net) * unit_;
    AddStakes(totalBet_, stakes, unit_);
    tally_.Round(round, unit_, before, bankroll_);
  }
  double Bankroll() const { return bankroll_; }
  double TotalBet() const { return totalBet_; }
  float Unit() const { return unit_; }
  BankrollMarks Finish() { return tally_.Finish(); }

 private:
  double bankroll_ = 0;
  double totalBet_ = 0;
  float unit_ = 0;
  BankrollTally tally_;
};

}  // namespace quorvel

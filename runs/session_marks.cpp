// Tallying batches of written-down rounds into the session's marks and walks.
#include "runs/session_marks.h"

#include "runs/required_bankroll.h"

namespace quorvel {

void SessionMarks::Start(double bankroll, float flatUnit, bool keepWalks) {
  start_ = before_ = bankroll;
  flatUnit_ = flatUnit;
  kernel_ = BestFoldKernel();
  tally_ = RoundsTally::SessionStart(bankroll);
  keepWalks_ = keepWalks;
  roundsWalked_ = 0;
  if (keepWalks) {
    walk_.Start(bankroll);
    flatWalk_.Start(bankroll);
  }
}

void SessionMarks::Add(std::size_t rounds) {
  if (rounds == 0) return;
  const RoundsTally batch = FoldBatch(room_, rounds, before_, flatUnit_, kernel_);
  before_ = room_.after[BatchRoom::Place(rounds - 1)];
  if (keepWalks_) AddToWalks(rounds, batch);
  tally_.Join(batch);
}

void SessionMarks::Refused(double bankroll, float stake) {
  tally_.cover = Lower(tally_.cover, bankroll - stake);
}

namespace {

// The twin's bankroll after each round of a batch as the tally has it: its
// gain since the batch began, exact, on the bankroll it began with. Asked
// mostly for later and later rounds, so it sums on from the last one.
class TwinBankrolls {
 public:
  TwinBankrolls(const BatchRoom& room, double unit, double base)
      : room_(room), unit_(unit), base_(base) {}
  double operator()(std::size_t i) {
    if (i < next_) {
      next_ = 0;
      gain_ = 0;
    }
    for (; next_ <= i; ++next_) gain_ += room_.net[BatchRoom::Place(next_)] * unit_;
    return base_ + gain_;
  }

 private:
  const BatchRoom& room_;
  double unit_;
  double base_;
  std::size_t next_ = 0;
  double gain_ = 0;
};

}  // namespace

void SessionMarks::AddToWalks(std::size_t rounds, const RoundsTally& batch) {
  const double first = roundsWalked_ + 1;
  roundsWalked_ += static_cast<double>(rounds);
  // before_ is already the bankroll the batch's last round left.
  walk_.AddRounds(first, rounds, {batch.peak, batch.low, before_},
                  [this](std::size_t i) { return room_.after[BatchRoom::Place(i)]; });
  const double base = tally_.twinGain;
  flatWalk_.AddRounds(first, rounds,
                      {base + batch.twinPeak, base + batch.twinLow, base + batch.twinGain},
                      TwinBankrolls(room_, flatUnit_, base));
}

BankrollMarks SessionMarks::SystemMarks() const {
  BankrollMarks marks = tally_.SystemMarks();
  marks.requiredBankroll = RequiredBankroll(start_, tally_.cover);
  if (keepWalks_) marks.walk = walk_.Points();
  return marks;
}

BankrollMarks SessionMarks::FlatMarks(double rounds) const {
  BankrollMarks marks = tally_.FlatMarks(flatUnit_, rounds);
  // The twin's stake never changes: its least cover is its lowest bankroll before a round less the unit.
  marks.requiredBankroll = RequiredBankroll(start_, tally_.twinLowBefore - flatUnit_);
  if (keepWalks_) marks.walk = flatWalk_.Points();
  return marks;
}

}  // namespace quorvel

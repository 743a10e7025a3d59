// Tallying batches of written-down rounds into the session's marks and walks.
#include "runs/session_marks.h"

namespace quorvel {

void SessionMarks::Start(double bankroll, float flatUnit, bool keepWalks) {
  before_ = bankroll;
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
  if (keepWalks_) AddToWalks(rounds);
  tally_.Join(FoldBatch(room_, rounds, before_, flatUnit_, kernel_));
  before_ = room_.after[BatchRoom::Place(rounds - 1)];
}

void SessionMarks::AddToWalks(std::size_t rounds) {
  // The twin's bankroll as the tally has it: its gain over the batch, exact,
  // on the bankroll it started the batch with.
  const double unit = flatUnit_;
  double gain = 0;
  for (std::size_t k = 0; k < rounds; ++k) {
    const std::size_t place = BatchRoom::Place(k);
    roundsWalked_ += 1;
    walk_.Add(roundsWalked_, room_.after[place]);
    gain += room_.net[place] * unit;
    flatWalk_.Add(roundsWalked_, tally_.twinGain + gain);
  }
}

BankrollMarks SessionMarks::SystemMarks() const {
  BankrollMarks marks = tally_.SystemMarks();
  if (keepWalks_) marks.walk = walk_.Points();
  return marks;
}

BankrollMarks SessionMarks::FlatMarks(double rounds) const {
  BankrollMarks marks = tally_.FlatMarks(flatUnit_, rounds);
  if (keepWalks_) marks.walk = flatWalk_.Points();
  return marks;
}

}  // namespace quorvel

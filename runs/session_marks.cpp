// Working out a batch of written-down rounds into the session's marks and walks.
#include "runs/session_marks.h"

namespace quorvel {

void SessionMarks::Start(double bankroll, float flatUnit, bool keepWalks) {
  before_ = bankroll;
  system_.Start(bankroll);
  flat_.Start(bankroll, flatUnit);
  keepWalks_ = keepWalks;
  roundsWalked_ = 0;
  if (keepWalks) {
    walk_.Start(bankroll);
    flatWalk_.Start(bankroll);
  }
}

void SessionMarks::Add(std::size_t rounds) {
  // Copies, so that nothing the loop keeps can alias the batch.
  BankrollTally system = system_;
  FlatTwin flat = flat_;
  double before = before_;
  for (std::size_t i = 0; i < rounds; ++i) {
    const Played& round = batch_[i];
    system.Round(round.stake, before, round.after);
    before = round.after;
    flat.Round(round.net);
  }
  if (keepWalks_) AddToWalks(rounds);
  system_ = system;
  flat_ = flat;
  before_ = before;
}

void SessionMarks::AddToWalks(std::size_t rounds) {
  // The twin settles the batch again from where it started, for its walk.
  FlatTwin flat = flat_;
  for (std::size_t i = 0; i < rounds; ++i) {
    roundsWalked_ += 1;
    walk_.Add(roundsWalked_, batch_[i].after);
    flat.Round(batch_[i].net);
    flatWalk_.Add(roundsWalked_, flat.Bankroll());
  }
}

std::vector<WalkPoint> SessionMarks::SystemWalk() const {
  return keepWalks_ ? walk_.Points() : std::vector<WalkPoint>{};
}

std::vector<WalkPoint> SessionMarks::FlatWalk() const {
  return keepWalks_ ? flatWalk_.Points() : std::vector<WalkPoint>{};
}

}  // namespace quorvel

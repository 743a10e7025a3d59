// The marks a session and its flat-bet twin leave round by round, and their bankroll walks.
#pragma once

#include <cstddef>
#include <vector>

#include "runs/bankroll_tally.h"
#include "runs/batch_fold.h"
#include "runs/batch_room.h"
#include "runs/walk_sampler.h"

namespace quorvel {

class SessionMarks {
 public:
  // A session from `bankroll`, its twin at `flatUnit` dollars a stake.
  void Start(double bankroll, float flatUnit, bool keepWalks);

  // Rounds are only written down as they are played, into this room, and
  // tallied a batch at a time: that costs a round far less than tallying it
  // on its own.
  BatchRoom& Room() { return room_; }
  // Tallies the first `rounds` rounds written into the room. Out of line, so
  // that the loop playing the rounds stays small.
  [[gnu::noinline]] void Add(std::size_t rounds);
  // A round refused because `bankroll` could not cover its `stake`: it counts
  // in the bankroll the session needed.
  void Refused(double bankroll, float stake);

  BankrollMarks SystemMarks() const;
  BankrollMarks FlatMarks(double rounds) const;
  float FlatUnit() const { return flatUnit_; }
  double FlatBankroll() const { return tally_.twinGain; }

 private:
  void AddToWalks(std::size_t rounds, const RoundsTally& batch);

  BatchRoom room_;
  double start_ = 0;
  double before_ = 0;  // the bankroll the next round starts from
  float flatUnit_ = 0;
  FoldKernel kernel_ = FoldKernel::kInOrder;
  RoundsTally tally_;
  bool keepWalks_ = false;
  double roundsWalked_ = 0;
  WalkSampler walk_;
  WalkSampler flatWalk_;
};

}  // namespace quorvel

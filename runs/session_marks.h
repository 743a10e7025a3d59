// The marks a session and its flat-bet twin leave round by round, and their bankroll walks.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "runs/bankroll_tally.h"
#include "runs/flat_twin.h"
#include "runs/walk_sampler.h"

namespace quorvel {

class SessionMarks {
 public:
  // A session from `bankroll`, its twin at `flatUnit` dollars a stake.
  void Start(double bankroll, float flatUnit, bool keepWalks);
  // One round as it is written down: the stake it was played at, its net
  // result in stakes and the bankroll it left.
  struct Played {
    double after;
    float stake;
    float net;
  };
  static constexpr std::size_t kBatch = 256;

  // Rounds are only written down as they are played, into this room, and
  // worked out a batch at a time, in a loop that keeps every mark in a
  // register: that costs a round far less than tallying it on its own.
  Played* Room() { return batch_.data(); }
  // Works out the first `rounds` rounds written into the room. Out of line,
  // so that its loop has the registers to itself.
  [[gnu::noinline]] void Add(std::size_t rounds);

  const BankrollTally& System() const { return system_; }
  const FlatTwin& Flat() const { return flat_; }
  // The downsampled walks, empty unless they were kept.
  std::vector<WalkPoint> SystemWalk() const;
  std::vector<WalkPoint> FlatWalk() const;

 private:
  void AddToWalks(std::size_t rounds);

  std::array<Played, kBatch> batch_;
  double before_ = 0;  // the bankroll the next round starts from
  BankrollTally system_;
  FlatTwin flat_;
  bool keepWalks_ = false;
  double roundsWalked_ = 0;
  WalkSampler walk_;
  WalkSampler flatWalk_;
};

}  // namespace quorvel

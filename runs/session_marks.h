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
  // A round played at `stake` that came to `net` stakes and left `after`. It is
  // only written down here: the marks are worked out a batch at a time, in a
  // loop that keeps them in registers, which costs a round far less.
  void Round(float stake, float net, double after) {
    batch_[pending_++] = {after, stake, net};
    if (pending_ == kBatch) Flush();
  }
  // Works out the rounds still written down; read the marks after it.
  void Flush();

  const BankrollTally& System() const { return system_; }
  const FlatTwin& Flat() const { return flat_; }
  // The downsampled walks, empty unless they were kept.
  std::vector<WalkPoint> SystemWalk() const;
  std::vector<WalkPoint> FlatWalk() const;

 private:
  struct Played {
    double after;
    float stake;
    float net;
  };
  static constexpr std::size_t kBatch = 256;

  void AddToWalks();

  std::array<Played, kBatch> batch_;
  std::size_t pending_ = 0;
  double before_ = 0;  // the bankroll the next round starts from
  BankrollTally system_;
  FlatTwin flat_;
  bool keepWalks_ = false;
  double roundsWalked_ = 0;
  WalkSampler walk_;
  WalkSampler flatWalk_;
};

}  // namespace quorvel

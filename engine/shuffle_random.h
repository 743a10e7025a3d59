// The shuffle's random-number generator: a 64-bit linear congruential generator.
#pragma once

#include <cstdint>

namespace quorvel {

class ShuffleRandom {
 public:
  static constexpr uint64_t kMultiplier = 0x0000015A00004E35ULL;
  // Two steps at once: state x M^2 + (M + 1), for two interleaved streams.
  static constexpr uint64_t kMultiplier2 = kMultiplier * kMultiplier;
  static constexpr uint64_t kIncrement2 = kMultiplier + 1;

  // Seeding takes 32 bits; the upper half of the state starts at zero.
  void Seed(uint32_t seed) { state_ = seed; }
  // Sessions of a test start from a full 64-bit state mixed from the run seed.
  void SetState(uint64_t state) { state_ = state; }
  uint64_t State() const { return state_; }

  // A value from 0 to 2147483647.
  uint32_t Next() {
    state_ = state_ * kMultiplier + 1;
    return Output(state_);
  }
  static uint32_t Output(uint64_t state) { return static_cast<uint32_t>(state >> 32) & 0x7FFFFFFFu; }

 private:
  uint64_t state_ = 0;
};

// SplitMix64: spreads (run seed, session number) over the whole state space so
// that neighbouring sessions do not start on related streams.
constexpr uint64_t SplitMix64(uint64_t x) {
  x += 0x9E3779B97F4A7C15ULL;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
  return x ^ (x >> 31);
}

constexpr uint64_t SessionStreamState(uint64_t runSeed, uint64_t session) {
  return SplitMix64(SplitMix64(runSeed) ^ session);
}

}  // namespace quorvel

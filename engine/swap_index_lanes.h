// What the SIMD swap-index variants share: many generator steps at once, the
// first states of the lanes and the scalar tail.
#pragma once

#include <cstdint>

#include "engine/shuffle_random.h"
#include "engine/swap_modulo.h"

namespace quorvel {

// Any number of generator steps at once: state x M^n + (M^(n-1) + ... + M + 1).
struct GeneratorJump {
  uint64_t multiplier = 1;
  uint64_t increment = 0;
  constexpr GeneratorJump() = default;
  constexpr explicit GeneratorJump(int steps) {
    for (int k = 0; k < steps; ++k) {
      multiplier *= ShuffleRandom::kMultiplier;
      increment = increment * ShuffleRandom::kMultiplier + 1;
    }
  }
  uint64_t Next(uint64_t state) const { return state * multiplier + increment; }
};

// Lanes generator steps at once.
template <int Lanes>
struct LaneSteps : GeneratorJump {
  constexpr LaneSteps() : GeneratorJump(Lanes) {}
};

// The states after one to `lanes` steps from `state`.
inline void FirstStates(uint64_t state, uint64_t* lanes, int count) {
  for (int k = 0; k < count; ++k) {
    state = state * ShuffleRandom::kMultiplier + 1;
    lanes[k] = state;
  }
}

// Indices t..top-1 one at a time from the state before index t; returns the
// state after the last.
inline uint64_t SwapIndexTail(uint64_t state, int t, int top, uint16_t* indices) {
  for (; t < top; ++t) {
    state = state * ShuffleRandom::kMultiplier + 1;
    indices[t] = static_cast<uint16_t>(1 + SwapModulo(ShuffleRandom::Output(state), static_cast<uint32_t>(top - t)));
  }
  return state;
}

}  // namespace quorvel

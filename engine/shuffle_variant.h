// The ways of computing the shuffle's swap indices; all give the same permutation.
#pragma once

#include <cstdint>

namespace quorvel {

enum class ShuffleVariant {
  kScalar,  // any processor
  kAvx512,  // eight indices at a time (AVX-512 F and DQ)
  kAvx2,    // sixteen indices at a time in four vectors (AVX2)
};

// Whether this processor can run the variant.
bool ShuffleVariantRuns(ShuffleVariant variant);
// The fastest variant this processor runs, or the scalar one when the
// environment sets QUORVEL_SCALAR_SHUFFLE to anything but 0, so both can be
// measured and compared on one machine.
ShuffleVariant ChosenShuffleVariant();

// Swap index t (0 <= t < top) of a pass over entries top..1, from the state the
// pass starts at: indices[t] = 1 + (output of state t + 1) mod (top - t), as the
// scalar shuffle takes them. Returns the generator's state after the last index.
// Each runs only where ShuffleVariantRuns says so.
uint64_t FillSwapIndicesAvx512(uint64_t state, int top, uint16_t* indices);
uint64_t FillSwapIndicesAvx2(uint64_t state, int top, uint16_t* indices);

}  // namespace quorvel

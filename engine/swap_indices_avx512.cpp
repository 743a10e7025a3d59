// The shuffle's swap indices eight at a time with AVX-512, for processors that have it.
#include "engine/shuffle_variant.h"

#include <immintrin.h>

#include <array>

#include "engine/swap_index_lanes.h"

namespace quorvel {
namespace {

// Zero-masked forms of the shift and the narrowing: the plain ones start from an
// undefined register that GCC 12 warns about under the sanitizers.
constexpr __mmask8 kAllLanes = 0xFF;
constexpr int kLanes = 8;
constexpr LaneSteps<kLanes> kSteps;

// The reciprocals from the largest divisor down, so that falling divisors
// read as one plain load.
struct FallingReciprocals {
  std::array<uint64_t, kModuloMaxDivisor + 1> value{};
  constexpr FallingReciprocals() {
    for (int k = 0; k <= kModuloMaxDivisor; ++k) value[k] = kSwapModulo.reciprocal[kModuloMaxDivisor - k];
  }
};
constexpr FallingReciprocals kFalling;

// Reciprocals of the divisors top - t, top - t - 1, ...
const uint64_t* FallingFrom(int top, int t) { return &kFalling.value[kModuloMaxDivisor - (top - t)]; }

}  // namespace

__attribute__((target("avx512f,avx512dq"))) uint64_t FillSwapIndicesAvx512(uint64_t state, int top,
                                                                          uint16_t* indices) {
  alignas(64) uint64_t first[kLanes];
  FirstStates(state, first, kLanes);
  __m512i states = _mm512_load_si512(first);
  const __m512i multiplier = _mm512_set1_epi64(static_cast<long long>(kSteps.multiplier));
  const __m512i increment = _mm512_set1_epi64(static_cast<long long>(kSteps.increment));
  const __m512i outputMask = _mm512_set1_epi64(0x7FFFFFFF);
  const __m512i fractionMask = _mm512_set1_epi64(static_cast<long long>(kModuloFractionMask));
  const __m512i lanes = _mm512_set_epi64(7, 6, 5, 4, 3, 2, 1, 0);
  const __m512i one = _mm512_set1_epi64(1);

  uint64_t s = state;  // the state before index t
  int t = 0;
  for (; t + kLanes <= top; t += kLanes) {
    const __m512i divisor = _mm512_sub_epi64(_mm512_set1_epi64(top - t), lanes);
    const __m512i reciprocal = _mm512_loadu_si512(FallingFrom(top, t));
    const __m512i r = _mm512_and_si512(_mm512_maskz_srli_epi64(kAllLanes, states, 32), outputMask);
    const __m512i fraction = _mm512_and_si512(_mm512_mullo_epi64(reciprocal, r), fractionMask);
    const __m512i product = _mm512_mullo_epi64(fraction, divisor);
    const __m512i index =
        _mm512_add_epi64(_mm512_maskz_srli_epi64(kAllLanes, product, kModuloFractionBits), one);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(indices + t),
                     _mm512_maskz_cvtepi64_epi16(kAllLanes, index));
    states = _mm512_add_epi64(_mm512_mullo_epi64(states, multiplier), increment);
    s = kSteps.Next(s);
  }
  return SwapIndexTail(s, t, top, indices);
}

}  // namespace quorvel

// The shuffle's swap indices eight at a time with AVX-512, for processors that have it.
#include "engine/shuffle_variant.h"

#include <immintrin.h>

#include "engine/shuffle_random.h"
#include "engine/swap_modulo.h"

namespace quorvel {
namespace {

constexpr int kLanes = 8;
// Zero-masked forms of the shift and the narrowing: the plain ones start from an
// undefined register that GCC 12 warns about under the sanitizers.
constexpr __mmask8 kAllLanes = 0xFF;

// Eight generator steps at once: state x M^8 + (M^7 + ... + M + 1).
struct EightSteps {
  uint64_t multiplier = 1;
  uint64_t increment = 0;
  constexpr EightSteps() {
    for (int k = 0; k < kLanes; ++k) {
      multiplier *= ShuffleRandom::kMultiplier;
      increment = increment * ShuffleRandom::kMultiplier + 1;
    }
  }
};
constexpr EightSteps kEightSteps;

// The reciprocals from the largest divisor down, so that eight falling
// divisors read as one plain load.
struct FallingReciprocals {
  std::array<uint64_t, kModuloMaxDivisor + 1> value{};
  constexpr FallingReciprocals() {
    for (int k = 0; k <= kModuloMaxDivisor; ++k) value[k] = kSwapModulo.reciprocal[kModuloMaxDivisor - k];
  }
};
constexpr FallingReciprocals kFalling;

}  // namespace

__attribute__((target("avx512f,avx512dq"))) uint64_t FillSwapIndicesAvx512(uint64_t state, int top,
                                                                          uint16_t* indices) {
  alignas(64) uint64_t first[kLanes];
  uint64_t s = state;
  for (uint64_t& lane : first) {
    s = s * ShuffleRandom::kMultiplier + 1;
    lane = s;
  }
  __m512i states = _mm512_load_si512(first);
  const __m512i multiplier = _mm512_set1_epi64(static_cast<long long>(kEightSteps.multiplier));
  const __m512i increment = _mm512_set1_epi64(static_cast<long long>(kEightSteps.increment));
  const __m512i outputMask = _mm512_set1_epi64(0x7FFFFFFF);
  const __m512i fractionMask = _mm512_set1_epi64(static_cast<long long>(kModuloFractionMask));
  const __m512i lanes = _mm512_set_epi64(7, 6, 5, 4, 3, 2, 1, 0);
  const __m512i one = _mm512_set1_epi64(1);

  s = state;  // the state before index t
  int t = 0;
  for (; t + kLanes <= top; t += kLanes) {
    const __m512i divisor = _mm512_sub_epi64(_mm512_set1_epi64(top - t), lanes);
    const __m512i reciprocal = _mm512_loadu_si512(&kFalling.value[kModuloMaxDivisor - (top - t)]);
    const __m512i r = _mm512_and_si512(_mm512_maskz_srli_epi64(kAllLanes, states, 32), outputMask);
    const __m512i fraction = _mm512_and_si512(_mm512_mullo_epi64(reciprocal, r), fractionMask);
    const __m512i product = _mm512_mullo_epi64(fraction, divisor);
    const __m512i index =
        _mm512_add_epi64(_mm512_maskz_srli_epi64(kAllLanes, product, kModuloFractionBits), one);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(indices + t),
                     _mm512_maskz_cvtepi64_epi16(kAllLanes, index));
    states = _mm512_add_epi64(_mm512_mullo_epi64(states, multiplier), increment);
    s = s * kEightSteps.multiplier + kEightSteps.increment;
  }
  for (; t < top; ++t) {
    s = s * ShuffleRandom::kMultiplier + 1;
    indices[t] = static_cast<uint16_t>(1 + SwapModulo(ShuffleRandom::Output(s), static_cast<uint32_t>(top - t)));
  }
  return s;
}

}  // namespace quorvel

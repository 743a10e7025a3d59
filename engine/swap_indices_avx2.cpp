// The shuffle's swap indices sixteen at a time with AVX2, as four vectors of four lanes.
#include "engine/shuffle_variant.h"

#include <immintrin.h>

#include <array>

#include "engine/swap_index_lanes.h"

namespace quorvel {
namespace {

// Four vectors, so that the generator's chains, slow on AVX2, run side by side.
constexpr int kVectors = 4;
constexpr int kLanes = 4 * kVectors;
constexpr LaneSteps<kLanes> kSteps;

// AVX2 multiplies only 32-bit halves, so 64-bit products are put together
// from them: the low 64 bits of a x b for any a, b.
__attribute__((target("avx2"))) __m256i MulLow(__m256i a, __m256i b) {
  const __m256i cross = _mm256_add_epi64(_mm256_mul_epu32(_mm256_srli_epi64(a, 32), b),
                                         _mm256_mul_epu32(a, _mm256_srli_epi64(b, 32)));
  return _mm256_add_epi64(_mm256_mul_epu32(a, b), _mm256_slli_epi64(cross, 32));
}

// The quotient r / d for r below 2^31 as (r x m) >> s with a 32-bit m, which
// the 32-bit multiply takes in one step (Granlund and Montgomery: exact for
// m = ceil(2^(31 + l) / d), s = 31 + l, 2^l >= d). Low half m, high half s,
// from the largest divisor down like the reciprocals.
struct FallingMagic {
  std::array<uint64_t, kModuloMaxDivisor + 1> value{};
  constexpr FallingMagic() {
    for (int k = 0; k < kModuloMaxDivisor; ++k) {
      const uint64_t d = static_cast<uint64_t>(kModuloMaxDivisor - k);
      int l = 0;
      while ((uint64_t{1} << l) < d) ++l;
      const uint64_t shift = 31 + static_cast<uint64_t>(l);
      const uint64_t m = ((uint64_t{1} << shift) + d - 1) / d;
      value[k] = shift << 32 | m;
    }
  }
};
constexpr FallingMagic kMagic;

struct Constants {
  __m256i multiplier, increment, outputMask, one, lowHalves;
};

// Four indices from four states and their falling divisors, one per 64-bit lane.
__attribute__((target("avx2"))) __m256i FourIndices(const Constants& k, __m256i states,
                                                    __m256i divisor, const uint64_t* magic) {
  const __m256i entry = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(magic));
  const __m256i r = _mm256_and_si256(_mm256_srli_epi64(states, 32), k.outputMask);
  const __m256i quotient = _mm256_srlv_epi64(_mm256_mul_epu32(r, entry), _mm256_srli_epi64(entry, 32));
  const __m256i remainder = _mm256_sub_epi64(r, _mm256_mul_epu32(quotient, divisor));
  // The low 32 bits of each lane into the lower half of the vector.
  return _mm256_permutevar8x32_epi32(_mm256_add_epi64(remainder, k.one), k.lowHalves);
}

}  // namespace

__attribute__((target("avx2"))) uint64_t FillSwapIndicesAvx2(uint64_t state, int top, uint16_t* indices) {
  alignas(32) uint64_t first[kLanes];
  FirstStates(state, first, kLanes);
  __m256i states[kVectors];
  for (int v = 0; v < kVectors; ++v) {
    states[v] = _mm256_load_si256(reinterpret_cast<const __m256i*>(first + 4 * v));
  }
  const Constants k{_mm256_set1_epi64x(static_cast<long long>(kSteps.multiplier)),
                    _mm256_set1_epi64x(static_cast<long long>(kSteps.increment)),
                    _mm256_set1_epi64x(0x7FFFFFFF),
                    _mm256_set1_epi64x(1),
                    _mm256_setr_epi32(0, 2, 4, 6, 1, 3, 5, 7)};
  const __m256i lanes = _mm256_setr_epi64x(0, 1, 2, 3);
  const __m256i four = _mm256_set1_epi64x(4);

  uint64_t s = state;  // the state before index t
  int t = 0;
  for (; t + kLanes <= top; t += kLanes) {
    const uint64_t* magic = &kMagic.value[kModuloMaxDivisor - (top - t)];
    __m256i divisor = _mm256_sub_epi64(_mm256_set1_epi64x(top - t), lanes);
    __m256i fours[kVectors];
    for (int v = 0; v < kVectors; ++v) {
      fours[v] = FourIndices(k, states[v], divisor, magic + 4 * v);
      divisor = _mm256_sub_epi64(divisor, four);
      // The generator's lanes are independent chains, so their multiplies overlap.
      states[v] = _mm256_add_epi64(MulLow(states[v], k.multiplier), k.increment);
    }
    // Every index is below 512, so the saturating narrowing keeps it exact.
    for (int v = 0; v < kVectors; v += 2) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(indices + t + 4 * v),
                       _mm_packus_epi32(_mm256_castsi256_si128(fours[v]),
                                        _mm256_castsi256_si128(fours[v + 1])));
    }
    s = kSteps.Next(s);
  }
  return SwapIndexTail(s, t, top, indices);
}

}  // namespace quorvel

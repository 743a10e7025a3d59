// r mod d for the shuffle's numbers through a 40-bit reciprocal: two plain multiplies.
#pragma once

#include <array>
#include <cstdint>

namespace quorvel {

// Exact for every r below 2^31 and d below 2^9 (Lemire's fastmod needs 31 + 9
// fraction bits), which covers every generator output and every swap range of
// an eight-deck shoe; the product with d then fits in 64 bits, so no 128-bit
// arithmetic is needed.
inline constexpr int kModuloFractionBits = 40;
inline constexpr uint64_t kModuloFractionMask = (uint64_t{1} << kModuloFractionBits) - 1;
inline constexpr int kModuloMaxDivisor = 511;

struct SwapModuloTable {
  std::array<uint64_t, kModuloMaxDivisor + 1> reciprocal{};
  constexpr SwapModuloTable() {
    for (uint64_t d = 1; d <= kModuloMaxDivisor; ++d) reciprocal[d] = kModuloFractionMask / d + 1;
  }
};
inline constexpr SwapModuloTable kSwapModulo;

inline uint32_t SwapModulo(uint32_t r, uint32_t d) {
  const uint64_t fraction = (kSwapModulo.reciprocal[d] * r) & kModuloFractionMask;
  return static_cast<uint32_t>((fraction * d) >> kModuloFractionBits);
}

}  // namespace quorvel

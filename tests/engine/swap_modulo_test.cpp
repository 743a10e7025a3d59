// The shuffle's reciprocal modulo against the plain remainder.
#include <gtest/gtest.h>

#include <vector>

#include "engine/shuffle_random.h"
#include "engine/swap_modulo.h"

namespace quorvel {
namespace {

constexpr uint32_t kLargestOutput = 0x7FFFFFFFu;

// The edges where a short reciprocal would first go wrong: around multiples of
// d, at both ends of the range and just below the largest multiple.
std::vector<uint32_t> EdgeNumerators(uint32_t d) {
  const uint32_t top = kLargestOutput / d * d;
  std::vector<uint32_t> r = {0, 1, d - 1, d, d + 1, 2 * d - 1, kLargestOutput, kLargestOutput - 1};
  for (uint32_t k = 0; k < 4 && top >= k * d + 1; ++k) {
    r.push_back(top - k * d);
    r.push_back(top - k * d - 1);
  }
  return r;
}

TEST(SwapModuloTest, EqualsTheRemainderAtTheEdgesOfEveryDivisor) {
  for (uint32_t d = 1; d <= kModuloMaxDivisor; ++d) {
    for (uint32_t r : EdgeNumerators(d)) ASSERT_EQ(SwapModulo(r, d), r % d) << r << " mod " << d;
  }
}

TEST(SwapModuloTest, EqualsTheRemainderForGeneratorOutputs) {
  ShuffleRandom random;
  random.Seed(20261206);
  for (uint32_t d = 1; d <= kModuloMaxDivisor; ++d) {
    for (int n = 0; n < 4000; ++n) {
      const uint32_t r = random.Next();
      ASSERT_EQ(SwapModulo(r, d), r % d) << r << " mod " << d;
    }
  }
}

}  // namespace
}  // namespace quorvel

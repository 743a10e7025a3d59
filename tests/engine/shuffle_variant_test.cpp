// Every shuffle variant against the scalar shuffle (the same indices, cards and generator
// state), and the shuffle's reciprocal modulo against the plain remainder.
#include <gtest/gtest.h>

#include <vector>

#include "engine/shoe.h"
#include "engine/shuffle_random.h"
#include "engine/swap_modulo.h"

namespace quorvel {
namespace {

struct Wide {
  ShuffleVariant variant;
  uint64_t (*fill)(uint64_t, int, uint16_t*);
};

// The SIMD variants, each against the scalar shuffle.
class WideVariantTest : public ::testing::TestWithParam<Wide> {
 protected:
  void SetUp() override {
    if (!ShuffleVariantRuns(GetParam().variant)) GTEST_SKIP() << "this processor cannot run it";
  }
};

INSTANTIATE_TEST_SUITE_P(Variants, WideVariantTest,
                         ::testing::Values(Wide{ShuffleVariant::kAvx512, FillSwapIndicesAvx512},
                                           Wide{ShuffleVariant::kAvx2, FillSwapIndicesAvx2}),
                         [](const auto& info) {
                           return info.param.variant == ShuffleVariant::kAvx512 ? "Avx512" : "Avx2";
                         });

TEST_P(WideVariantTest, IndicesMatchTheGeneratorForEveryLength) {
  // Every length up to eight decks, so every tail after the full vectors occurs.
  for (int top = 1; top < kShoeSize; ++top) {
    for (uint64_t seed : {0ULL, 1ULL, 0xFFFFFFFFFFFFFFFFULL, 0x123456789ABCDEFULL}) {
      ShuffleRandom random;
      random.SetState(seed);
      std::vector<uint16_t> expected(static_cast<size_t>(top));
      for (int t = 0; t < top; ++t) {
        expected[static_cast<size_t>(t)] = static_cast<uint16_t>(1 + random.Next() % static_cast<uint32_t>(top - t));
      }
      std::vector<uint16_t> indices(static_cast<size_t>(top));
      const uint64_t state = GetParam().fill(seed, top, indices.data());
      ASSERT_EQ(indices, expected) << "top " << top << " seed " << seed;
      ASSERT_EQ(state, random.State()) << "top " << top << " seed " << seed;
    }
  }
}

TEST_P(WideVariantTest, ShuffleDealsTheScalarCardsOverManySeeds) {
  for (int decks : {2, 4, 6, 8}) {
    for (uint64_t session = 0; session < 500; ++session) {
      Shoe scalar;
      Shoe wide;
      scalar.SetDecks(decks);
      wide.SetDecks(decks);
      scalar.SetShuffleVariant(ShuffleVariant::kScalar);
      wide.SetShuffleVariant(GetParam().variant);
      scalar.Random().SetState(SessionStreamState(20261206, session));
      wide.Random().SetState(SessionStreamState(20261206, session));
      for (int pass = 0; pass < 3; ++pass) {
        scalar.Shuffle();
        wide.Shuffle();
      }
      ASSERT_EQ(wide.cards, scalar.cards) << decks << " decks, session " << session;
      ASSERT_EQ(wide.Random().State(), scalar.Random().State()) << decks << " decks, session " << session;
    }
  }
}

TEST(ShuffleVariantTest, ScalarRunsEverywhere) { EXPECT_TRUE(ShuffleVariantRuns(ShuffleVariant::kScalar)); }

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

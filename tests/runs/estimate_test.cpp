// Ratio estimates over sessions and their 95 % intervals, against values worked out by hand.
#include <gtest/gtest.h>

#include "runs/estimate.h"

namespace quorvel {
namespace {

TEST(EstimateTest, StudentQuantilesMatchTheTables) {
  const std::pair<std::size_t, double> cases[] = {{1, 12.706}, {2, 4.303}, {10, 2.228}, {30, 2.042},
                                                  {40, 2.021}, {60, 2.000}, {120, 1.980}, {100000, 1.960}};
  for (const auto& [degrees, quantile] : cases) EXPECT_NEAR(StudentT975(degrees), quantile, 0.0015) << degrees;
}

TEST(EstimateTest, RatioOverSessionsWithItsInterval) {
  // Winnings 10, -20, 40 over 100, 100, 200 rounds: 30 / 400 = 0.075 a round.
  // Residuals (y - r x) / mean(x): (2.5, -27.5, 25) / 133.33 = 0.01875, -0.20625, 0.1875.
  // Sum of squares 0.078046875; / (3 * 2) = 0.0130078125; sqrt = 0.1140518; t(2) = 4.303.
  const Estimate estimate = RatioEstimate({10, -20, 40}, {100, 100, 200});
  EXPECT_DOUBLE_EQ(estimate.value, 0.075);
  ASSERT_TRUE(estimate.hasInterval);
  EXPECT_NEAR(estimate.high - estimate.value, 4.303 * 0.1140518, 1e-6);
  EXPECT_NEAR(estimate.value - estimate.low, 4.303 * 0.1140518, 1e-6);
}

TEST(EstimateTest, OneSessionOrNothingBetHasNoInterval) {
  const Estimate one = RatioEstimate({50}, {1000});
  EXPECT_DOUBLE_EQ(one.value, 0.05);
  EXPECT_FALSE(one.hasInterval);
  const Estimate nothing = RatioEstimate({0, 0}, {0, 0});
  EXPECT_EQ(nothing.value, 0);
  EXPECT_FALSE(nothing.hasInterval);
}

TEST(EstimateTest, PairedDifferenceCancelsWhatTheSystemsShare) {
  const std::vector<double> y = {10, -20, 40, -5};
  const std::vector<double> x = {100, 100, 200, 50};
  const Estimate same = RatioDifference(y, x, y, x);
  EXPECT_EQ(same.value, 0);
  ASSERT_TRUE(same.hasInterval);
  EXPECT_EQ(same.low, 0);
  EXPECT_EQ(same.high, 0);
  // Twice the stakes and twice the winnings: the same rate, so the difference is 0 and certain.
  const Estimate doubled = RatioDifference({20, -40, 80, -10}, {200, 200, 400, 100}, y, x);
  EXPECT_NEAR(doubled.value, 0, 1e-15);
  EXPECT_NEAR(doubled.high - doubled.low, 0, 1e-12);
  // An unpaired difference would be as wide as both intervals; a shift of 1 per session is exact.
  const Estimate shifted = RatioDifference({11, -19, 41, -4}, x, y, x);
  EXPECT_NEAR(shifted.value, 4.0 / 450, 1e-15);
  EXPECT_LT(shifted.high - shifted.low, RatioEstimate(y, x).high - RatioEstimate(y, x).low);
}

}  // namespace
}  // namespace quorvel

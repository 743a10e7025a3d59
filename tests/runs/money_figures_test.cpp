// The main screen's figures: 32-bit results per hand and per dollar bet, and how they read.
#include "runs/money_figures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runs/format_totals.h"

namespace quorvel {
namespace {

struct FigureCase {
  double bankroll, startingBankroll, divisor;
  float expected;
  std::string shown;
};

TEST(ResultPerHand, IsTheWinningsOverTheHandsAs32BitFloat) {
  const std::vector<FigureCase> cases = {
      {1200, 1000, 0, 0.0F, "$0.00"},     // no hands yet
      {1000, 1000, 2000, 0.0F, "$0.00"},  // bankroll back at the start after a test
      {950, 1000, 4, -12.5F, "$-12.50"},
      {999, 1000, 3, -0.333333343267440796F, "$-0.33"},
      // The nearest 32-bit float to 1234567.89 is 1234567.875; a double would show $...89.
      {2234567.89, 1000000, 1, 1234567.875F, "$1234567.87"},
  };
  for (const FigureCase& c : cases) {
    const float result = ResultPerHand(c.bankroll, c.startingBankroll, c.divisor);
    EXPECT_EQ(result, c.expected) << c.bankroll << " over " << c.divisor;
    EXPECT_EQ(FormatTotals(kDollarForm, result), c.shown);
  }
}

TEST(WinningsPerDollarBet, IsTheWinningsOverTheTotalBetOrAbsentWhileNothingIsBet) {
  EXPECT_EQ(WinningsPerDollarBet(1300, 1000, 0), std::nullopt);
  const std::vector<FigureCase> cases = {
      {1050, 1000, 400, 0.125F, "0.12500"},
      {900, 1000, 3000, -0.0333333351F, "-0.03333"},
      {1000, 2000, 1000, -1.0F, "-1.00000"},
  };
  for (const FigureCase& c : cases) {
    const std::optional<float> ratio =
        WinningsPerDollarBet(c.bankroll, c.startingBankroll, c.divisor);
    ASSERT_TRUE(ratio.has_value());
    EXPECT_EQ(*ratio, c.expected) << c.bankroll << " over " << c.divisor;
    EXPECT_EQ(FormatTotals(kRatioForm, *ratio), c.shown);
  }
}

}  // namespace
}  // namespace quorvel

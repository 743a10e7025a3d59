// How figures are written: the shortest decimal form, the cut six-decimal totals, numbers
// set into log columns, and the main screen's 32-bit results per hand and per dollar.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "runs/format_totals.h"
#include "runs/general_text.h"
#include "runs/get_pos.h"
#include "runs/money_figures.h"

namespace quorvel {
namespace {

TEST(GeneralText, WritesTheShortestFormUpTo15Digits) {
  const std::vector<std::pair<double, std::string>> cases = {
      {1234, "1234"},         {1234.5, "1234.5"},  {0, "0"},
      {100000000, "100000000"}, {-42.25, "-42.25"}, {0.1, "0.1"},
      {1.0 / 3.0, "0.333333333333333"},  {999999999999999, "999999999999999"},
      {1e15, "1e+15"},        {123456789012345678.0, "1.23456789012346e+17"},
      {0.00001, "1e-05"},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(GeneralText(value), expected) << value;
}

TEST(FormatTotals, CutsTheSixDecimalTextAfterThePoint) {
  struct Case {
    int8_t mode;
    double value;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {kDollarForm, 12.3456789, "$12.34"},
      {kDollarForm, -0.005, "$-0.00"},
      {kRatioForm, 0.1234567, "0.12345"},
      {kDollarForm, 2, "$2.00"},
      {kDollarForm, 1e20, "$100000000000000000000.000000"},
      // Cut, not rounded again; the rounding to 6 decimals comes first.
      {kDollarForm, 1.999, "$1.99"},
      {kDollarForm, -1234.5678, "$-1234.56"},
      {kDollarForm, 0.9999996, "$1.00"},
      {kRatioForm, 0.9999999, "1.00000"},
      // The point is looked for at indexes 1 to 17 only.
      {kDollarForm, 1e15, "$1000000000000000.00"},
      {kDollarForm, 1e16, "$10000000000000000.000000"},
      {kRatioForm, 1e16, "10000000000000000.00000"},
      {kRatioForm, 1e17, "100000000000000000.000000"},
      {kRatioForm, -1e16, "-10000000000000000.000000"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatTotals(c.mode, c.value), c.expected)
        << "mode " << int{c.mode} << " value " << c.value;
  }
}

TEST(GetPos, InsertsWithoutOverwriting) {
  struct Case {
    const char* what;
    std::string line;
    int32_t value;
    int8_t column;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"fits: ends at column - 1", "     ", 7, 4, "  7   "},
      {"the sign counts in the width", "      ", -5, 4, " -5     "},
      {"position exactly 1", "abc", 123, 4, "123abc"},
      {"position below 1 goes to the front", "abc", 12345, 4, "12345abc"},
      {"existing text moves right", "abcdef", 9, 4, "ab9cdef"},
      {"one past the end appends", "ab", 5, 4, "ab5"},
      {"far past the end appends", "ab", 5, 10, "ab5"},
      {"empty line", "", -2147483647 - 1, 4, "-2147483648"},
      {"largest column", "x", 2147483647, 127, "x2147483647"},
      {"negative column goes to the front", "xy", 1, -128, "1xy"},
  };
  for (const Case& c : cases) {
    std::string line = c.line;
    GetPos(line, c.value, c.column);
    EXPECT_EQ(line, c.expected) << c.what;
  }
}

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

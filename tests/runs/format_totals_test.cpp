// FormatTotals: dollar and ratio forms, cut after the point, and the index limit of the point.
#include "runs/format_totals.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

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

}  // namespace
}  // namespace quorvel

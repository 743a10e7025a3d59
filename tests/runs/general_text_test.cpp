// GeneralText: shortest decimal form with up to 15 significant digits.
#include "runs/general_text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

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

}  // namespace
}  // namespace quorvel

// The lenient number readers behind every typed money text.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "money/lenient_number.h"

namespace quorvel {
namespace {

TEST(LenientNumber, LeadingInteger) {
  struct Case {
    std::string text;
    int32_t value;
    std::size_t length;
  } cases[] = {
      {"500", 500, 3},          {"12.5", 12, 2},         {"0007", 7, 4},
      {"  42", 42, 4},          {"\t\n\r\v\f9", 9, 6},   {"-7x", -7, 2},
      {"+15", 15, 3},           {"5x", 5, 1},            {"", 0, 0},
      {"abc", 0, 0},            {"-", 0, 0},             {"- 5", 0, 0},
      {" .5", 0, 0},            {"2147483647", 2147483647, 10},
      {"2147483648", 2147483647, 10},                    {"-2147483648", -2147483647 - 1, 11},
      {"-99999999999999999999", -2147483647 - 1, 21},
      {"18446744073709551617", 2147483647, 20},  // 2^64 + 1 must not wrap to 1
  };
  for (const Case& c : cases) {
    IntegerPrefix scan = ScanLeadingInteger(c.text);
    EXPECT_EQ(scan.value, c.value) << '"' << c.text << '"';
    EXPECT_EQ(scan.length, c.length) << '"' << c.text << '"';
    EXPECT_EQ(scan.hasDigits, c.length != 0) << '"' << c.text << '"';
    EXPECT_EQ(LeadingInteger(c.text), c.value) << '"' << c.text << '"';
  }
}

TEST(LenientNumber, LeadingDecimal) {
  struct Case {
    std::string text;
    double value;
  } cases[] = {
      {"0.5", 0.5},  {".5", 0.5},    {"2.", 2.0},      {"  1.25%", 1.25}, {"-.5", -0.5},
      {"+3", 3.0},   {"1e3", 1.0},   {"", 0.0},        {".", 0.0},        {"abc", 0.0},
      {"inf", 0.0},  {"nan", 0.0},   {"0x10", 0.0},    {"12.5.7", 12.5},
      {std::string(400, '9'), std::numeric_limits<double>::max()},
      {"0." + std::string(400, '0') + "1", 0.0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LeadingDecimal(c.text), c.value) << '"' << c.text.substr(0, 12) << '"';
  }
}

}  // namespace
}  // namespace quorvel

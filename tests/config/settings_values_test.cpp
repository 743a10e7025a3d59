// Typed numbers and settings values: the lenient reading of numbers as files hold them, and
// the check of values no table can play or the log cannot show.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

#include "config/default_settings.h"
#include "config/settings_values.h"
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

using Edit = std::function<void(TableOptions&)>;

TableOptions Typed(const Edit& edit) {
  TableOptions o = DefaultSettings().options;
  o.betMinimum = 5;
  o.betMaximum = 500;
  edit(o);
  return o;
}

Edit Text(SettingsText TableOptions::*field, const char* text) {
  return [=](TableOptions& o) { o.*field = MakeSettingsText(text); };
}

TEST(SettingsValues, PlayableValuesPass) {
  const Edit cases[] = {
      [](TableOptions&) {},
      Text(&TableOptions::bankrollText, "1"),
      [](TableOptions& o) { o.betUnitInPercent = 1, o.betUnitText = MakeSettingsText("100"); },
      [](TableOptions& o) { o.betUnitInPercent = 1, o.betUnitText = MakeSettingsText("0.5 "); },
      [](TableOptions& o) { o.betMinimum = 0, o.betMaximum = 9999; },
      [](TableOptions& o) { o.betMinimum = o.betMaximum = 1; },
      [](TableOptions& o) { o.winLimitMode = 0, o.winLimitText = MakeSettingsText("-5"); },
      // 2147483 units of $1000 and a win limit reach exactly the largest high the log holds.
      [](TableOptions& o) {
        o.bankrollInUnits = 1, o.bankrollText = MakeSettingsText("2147483"),
        o.betUnitText = MakeSettingsText("1000"), o.winLimitMode = 1, o.winLimitText = MakeSettingsText("647");
      },
  };
  for (const Edit& edit : cases) {
    const auto problem = CheckTypedSettings(Typed(edit));
    EXPECT_FALSE(problem) << problem->message;
  }
}

TEST(SettingsValues, TheFirstImpossibleValueIsNamed) {
  struct Case {
    Edit edit;
    SettingsField field;
    std::string message;
  };
  const Case cases[] = {
      {Text(&TableOptions::bankrollText, "-5000"), SettingsField::kBankroll,
       "Starting bankroll must be more than 0 (it is -$5000)."},
      {Text(&TableOptions::bankrollText, "abc"), SettingsField::kBankroll,
       "Starting bankroll must be more than 0 (it is $0)."},
      {Text(&TableOptions::betUnitText, "0"), SettingsField::kBetUnit, "Bet unit must be more than $0 (it is $0)."},
      {[](TableOptions& o) { o.betUnitInPercent = 1, o.betUnitText = MakeSettingsText("100.5"); },
       SettingsField::kBetUnit, "Bet unit must be more than 0 and at most 100 percent of the bankroll (it is 100.5 percent)."},
      {[](TableOptions& o) { o.betUnitInPercent = 1, o.bankrollInUnits = 1; }, SettingsField::kBankroll,
       "Starting bankroll cannot be counted in units when the bet unit is a percent of it."},
      {[](TableOptions& o) { o.betMinimum = 600; }, SettingsField::kBetMinimum,
       "Bet minimum ($600) must not be above the bet maximum ($500)."},
      {[](TableOptions& o) { o.betMinimum = -5; }, SettingsField::kBetMinimum,
       "Bet minimum must be from $0 to $9999 (it is -$5)."},
      {[](TableOptions& o) { o.betMaximum = 2147483647; }, SettingsField::kBetMaximum,
       "Bet maximum must be from $1 to $9999 (it is $2147483647)."},
      {[](TableOptions& o) { o.winLimitMode = 2, o.winLimitText = MakeSettingsText("0"); }, SettingsField::kWinLimit,
       "Win limit must be more than $0 when it is on (it is $0)."},
      {[](TableOptions& o) { o.lossLimitMode = 1, o.lossLimitText = MakeSettingsText("-1"); },
       SettingsField::kLossLimit, "Loss limit must be more than $0 when it is on (it is -$1)."},
      {[](TableOptions& o) {
         o.bankrollInUnits = 1, o.bankrollText = MakeSettingsText("9999999"), o.betUnitText = MakeSettingsText("1000");
       },
       SettingsField::kBankroll,
       "Starting bankroll is too large: the bankroll could reach $9999999000, more than the log can hold ($2147483647)."},
      {[](TableOptions& o) {
         o.bankrollInUnits = 1, o.bankrollText = MakeSettingsText("2147483"),
         o.betUnitText = MakeSettingsText("1000"), o.winLimitMode = 1, o.winLimitText = MakeSettingsText("648");
       },
       SettingsField::kWinLimit,
       "Win limit is too large: the bankroll could reach $2147483648, more than the log can hold ($2147483647)."},
  };
  for (const Case& c : cases) {
    const auto problem = CheckSettingsValues(Typed(c.edit));
    ASSERT_TRUE(problem) << c.message;
    EXPECT_EQ(problem->field, c.field) << c.message;
    EXPECT_EQ(problem->message, c.message);
  }
}

TEST(SettingsValues, TypedTextsMustBePlainNumbersWhereFilesReadLeniently) {
  const TableOptions o = Typed(Text(&TableOptions::bankrollText, "500x"));
  EXPECT_FALSE(CheckSettingsValues(o));
  ASSERT_TRUE(CheckTypedSettings(o));
  EXPECT_EQ(CheckTypedSettings(o)->message, "Starting bankroll '500x' is not a whole number.");
  const TableOptions percent = Typed([](TableOptions& p) {
    p.betUnitInPercent = 1, p.betUnitText = MakeSettingsText("1.2.3");
  });
  ASSERT_TRUE(CheckTypedSettings(percent));
  EXPECT_EQ(CheckTypedSettings(percent)->field, SettingsField::kBetUnit);
  // A limit that is off is not read, so its text does not matter.
  EXPECT_FALSE(CheckTypedSettings(Typed(Text(&TableOptions::lossLimitText, "zz"))));
}

}  // namespace
}  // namespace quorvel

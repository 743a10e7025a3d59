// The rule editor's typed units, its refusal of a divisor of 0, and how "?" words each action.
#include <gtest/gtest.h>

#include "money/rule_editing.h"

namespace quorvel {
namespace {

TEST(RuleEditing, TypedUnitsAreAWholeNumberFrom0To99) {
  const struct { const char* text; int units; } accepted[] = {
      {"0", 0}, {"1", 1}, {"42", 42}, {"99", 99}, {"007", 7}, {"+5", 5}, {" 5", 5},
  };
  for (const auto& c : accepted) {
    const RuleUnitsReading reading = ReadRuleUnits(c.text);
    EXPECT_EQ(reading.units, c.units) << c.text;
    EXPECT_EQ(reading.message, "") << c.text;
  }
  const struct { const char* text; const char* message; } refused[] = {
      {"abc", "'abc' is not a valid integer value"},
      {"", "'' is not a valid integer value"},
      {"1.5", "'1.5' is not a valid integer value"},
      {"5 ", "'5 ' is not a valid integer value"},
      {"2x", "'2x' is not a valid integer value"},
      {"-", "'-' is not a valid integer value"},
      {"100", "'100' is out of range: whole units go from 0 to 99."},
      {"99999", "'99999' is out of range: whole units go from 0 to 99."},
      {"-1", "'-1' is out of range: whole units go from 0 to 99."},
  };
  for (const auto& c : refused) {
    const RuleUnitsReading reading = ReadRuleUnits(c.text);
    EXPECT_FALSE(reading.units.has_value()) << c.text;
    EXPECT_EQ(reading.message, c.message) << c.text;
  }
}

TEST(RuleEditing, OnlyADivisorOf0IsRefused) {
  EXPECT_EQ(RuleAmountProblem(5, 0, 0),
            "A bet cannot be divided by 0.0: set at least 1 whole unit or 1 tenth.");
  const struct { int action, units, tenths; } saveable[] = {
      {5, 0, 1}, {5, 1, 0}, {4, 0, 0}, {1, 0, 0}, {3, 0, 0}, {6, 0, 0}, {0, 0, 0},
  };
  for (const auto& c : saveable) {
    EXPECT_EQ(RuleAmountProblem(c.action, c.units, c.tenths), std::nullopt) << c.action;
  }
}

TEST(RuleEditing, AlertNamesTheAmountOnlyForActionsThatTakeOne) {
  const std::string opening = "The computer is keeping a count of the Winning and Losing Hands.  ";
  const struct { int wins, losses, action; const char* units; std::string text; } cases[] = {
      {0, 2, 1, "3", opening + "After 2 losses  you have currently have selected to set bet to  3."},
      {3, 0, 4, "2", opening + "After 3 wins  you have currently have selected to multiply bet by 2."},
      {1, 0, 5, "10", opening + "After 1 win  you have currently have selected to divide bet by  10."},
      {2, 0, 0, "4", opening + "After 2 wins  you have currently have selected to take no special action."},
      {0, 3, 6, "4", opening + "After 3 losses  you have currently have selected to end session ."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RuleAlertText(c.wins, c.losses, c.action, c.units), c.text) << c.action;
  }
}

}  // namespace
}  // namespace quorvel

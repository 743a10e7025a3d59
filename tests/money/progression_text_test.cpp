// Rule lines: the opening phrase, the action words with their blanks, units and tenths.
#include <gtest/gtest.h>

#include "money/progression_text.h"

namespace quorvel {
namespace {

TEST(ProgressionText, RuleLineWritesUnitsAndTenthsApart) {
  const struct { int index, action, units, tenths; const char* line; } cases[] = {
      {20, 2, 1, 5, "After 2 wins increase bet by  1.5 units"},
      {11, 1, 1, 0, "After 1 win and 1 loss set bet to  1.0 units"},
      {3, 6, 0, 0, "After 3 losses end session "},
      {23, 6, 5, 5, "After 2 wins and 3 losses end session "},
      {20, 2, 2, 10, "After 2 wins increase bet by  2.10 units"},
      {10, 5, 1, 5, "After 1 win divide bet by  1.5 units"},
      {40, 4, 2, 0, "After 4 wins multiply bet by 2.0 units"},
      {99, 3, 99, 9, "After 9 wins and 9 losses decrease bet by  99.9 units"},
      {1, 3, -1, 5, "After 1 loss decrease bet by  -1.5 units"},
      // No action, and codes no action has, keep the opening phrase alone; rule 0 has none.
      {30, 0, 0, 0, "After 3 wins take no special action"},
      {5, 7, 1, 0, "After 5 losses "},
      {12, -1, 1, 0, "After 1 win and 2 losses "},
      {0, 2, 1, 0, "increase bet by  1.0 units"},
      {100, 2, 1, 0, ""},
      {-1, 2, 1, 0, ""},
  };
  for (const auto& c : cases) {
    ProgressionTable table;
    if (c.index >= 0 && c.index < kRuleCount) {
      table.ruleAction[c.index] = static_cast<int8_t>(c.action);
      table.ruleUnits[c.index] = static_cast<int8_t>(c.units);
      table.ruleTenths[c.index] = static_cast<uint8_t>(c.tenths);
    }
    EXPECT_EQ(RuleLine(table, c.index), c.line) << c.index;
  }
}

}  // namespace
}  // namespace quorvel

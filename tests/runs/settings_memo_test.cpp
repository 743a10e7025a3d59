// The progression summary: rules in table order on lines 1 to 25.
#include "runs/settings_memo.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

ProgressionTable TableWithRules(int count) {
  ProgressionTable table;
  for (int i = 0; i < count; ++i) {
    // Cells 1, 2, ... in ascending order; cell 0 can hold no rule.
    table.ruleAction[i + 1] = kIncreaseBet;
    table.ruleUnits[i + 1] = 1;
  }
  return table;
}

TEST(SettingsMemo, RulesFillLinesFromOneInCellOrder) {
  ProgressionTable table;
  table.ruleAction[10] = kSetBet;  // 1 win
  table.ruleUnits[10] = 1;
  table.ruleAction[1] = kMultiplyBet;  // 1 loss
  table.ruleUnits[1] = 2;
  table.ruleAction[5] = 9;  // a code that never acts is not listed
  SettingsMemo memo;
  memo.fill("old");
  ShowSettingsMemo(table, memo);
  EXPECT_EQ(memo[0], "old");
  EXPECT_EQ(memo[1], "After 1 loss multiply bet by 2.0 units");
  EXPECT_EQ(memo[2], "After 1 win set bet to  1.0 units");
  for (int line = 3; line <= 19; ++line) EXPECT_EQ(memo[line], "") << line;
  for (int line = 20; line < kSettingsMemoLines; ++line) EXPECT_EQ(memo[line], "old") << line;
}

TEST(SettingsMemo, TwentyFiveRulesFitAndMoreAreDropped) {
  SettingsMemo memo;
  ShowSettingsMemo(TableWithRules(25), memo);
  EXPECT_EQ(memo[1], "After 1 loss increase bet by  1.0 units");
  EXPECT_EQ(memo[25], "After 2 wins and 5 losses increase bet by  1.0 units");

  SettingsMemo cut;
  ShowSettingsMemo(TableWithRules(30), cut);
  EXPECT_EQ(cut, memo);
}

}  // namespace
}  // namespace quorvel

// The "Progression Settings" summary of the main screen.
#include "runs/settings_memo.h"

#include "money/progression_text.h"

namespace quorvel {

void ShowSettingsMemo(const ProgressionTable& table, SettingsMemo& memo) {
  constexpr int kLastClearedLine = 19;
  // Codes outside 0..6 never act, so they are not listed as rules either.
  const ActiveRuleList rules = ListActiveRules(table);
  int line = 1;
  for (int i = 0; i < rules.count && line < kSettingsMemoLines; ++i, ++line) {
    memo[line] = RuleLine(table, rules.index[i]);
  }
  for (; line <= kLastClearedLine; ++line) memo[line].clear();
}

}  // namespace quorvel

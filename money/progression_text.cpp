// The sentences that describe progression rules to the user.
#include "money/progression_text.h"

#include <array>
#include <string_view>

namespace quorvel {

std::string ExplainSettings(int wins, int losses) {
  if (wins + losses == 0) return {};
  std::string text = "After ";
  if (wins == 1) {
    text += "1 win ";
  } else if (wins > 1) {
    text += std::to_string(wins) + " wins ";
  }
  if (wins != 0 && losses != 0) text += "and ";
  if (losses == 1) {
    text += "1 loss ";
  } else if (losses > 1) {
    text += std::to_string(losses) + " losses ";
  }
  return text;
}

std::string GetString(int action) {
  // The blanks are part of the text: the amount follows without a separator.
  static constexpr std::array<std::string_view, 7> kWords = {
      "take no special action", "set bet to  ",     "increase bet by  ", "decrease bet by  ",
      "multiply bet by ",       "divide bet by  ", "end session ",
  };
  if (action < 0 || action >= static_cast<int>(kWords.size())) return {};
  return std::string(kWords[action]);
}

std::string RuleLine(const ProgressionTable& table, int index) {
  if (index < 0 || index >= kRuleCount) return {};
  const int action = table.ruleAction[index];
  std::string line = ExplainSettings(index / 10, index % 10) + GetString(action);
  // Whole units and tenths are written apart, so 2 units and 10 tenths read "2.10".
  if (action >= kSetBet && action <= kDivideBet) {
    line += std::to_string(table.ruleUnits[index]) + "." +
            std::to_string(table.ruleTenths[index]) + " units";
  }
  return line;
}

}  // namespace quorvel

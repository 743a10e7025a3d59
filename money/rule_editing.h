// What the progression rule editor says and which typed amounts it accepts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// The range of the editor's amount spinners.
inline constexpr int kLargestRuleUnits = 99;
inline constexpr int kLargestRuleTenths = 10;

// The "?" text when no wins and no losses are selected: how to begin.
std::string NoRuleSelectedText();

// The "?" text for the selected rule: its opening phrase, the action's words
// and, for the actions with an amount (1..5), `unitsText` as typed.
std::string RuleAlertText(int wins, int losses, int action, std::string_view unitsText);

// A typed count of whole units: a whole number from 0 to 99, or the message
// that refuses it.
struct RuleUnitsReading {
  std::optional<int> units;
  std::string message;  // empty when units holds the value
};
RuleUnitsReading ReadRuleUnits(std::string_view text);

// Why a rule cannot be saved (a divisor of 0, which would leave the stake as it
// is), or nothing when it can.
std::optional<std::string> RuleAmountProblem(int action, int wholeUnits, int tenthUnits);

}  // namespace quorvel

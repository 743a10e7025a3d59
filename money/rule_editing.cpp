// What the progression rule editor says and which typed amounts it accepts.
#include "money/rule_editing.h"

#include "money/lenient_number.h"
#include "money/progression_table.h"
#include "money/progression_text.h"

namespace quorvel {

std::string NoRuleSelectedText() {
  return "The computer is keeping a count of the Winning Hands and Losing Hands.  You currently "
         "have selected 0 WINS and 0 LOSSES.  You must first select the number of WINS and "
         "LOSSES to program a progression.";
}

std::string RuleAlertText(int wins, int losses, int action, std::string_view unitsText) {
  // The parts join without separators: their own blanks space the sentence.
  std::string text = "The computer is keeping a count of the Winning and Losing Hands.  " +
                     ExplainSettings(wins, losses) + " you have currently have selected to " +
                     GetString(action);
  if (action >= kSetBet && action <= kDivideBet) text += unitsText;
  return text + ".";
}

RuleUnitsReading ReadRuleUnits(std::string_view text) {
  const std::string quoted = "'" + std::string(text) + "'";
  const IntegerPrefix number = ScanLeadingInteger(text);
  if (!number.hasDigits || number.length != text.size()) {
    return {std::nullopt, quoted + " is not a valid integer value"};
  }
  if (number.value < 0 || number.value > kLargestRuleUnits) {
    return {std::nullopt,
            quoted + " is out of range: whole units go from 0 to " +
                std::to_string(kLargestRuleUnits) + "."};
  }
  return {number.value, {}};
}

std::optional<std::string> RuleAmountProblem(int action, int wholeUnits, int tenthUnits) {
  if (action == kDivideBet && wholeUnits == 0 && tenthUnits == 0) {
    return "A bet cannot be divided by 0.0: set at least 1 whole unit or 1 tenth.";
  }
  return std::nullopt;
}

}  // namespace quorvel

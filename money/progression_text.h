// The sentences that describe progression rules to the user.
#pragma once

#include <string>

#include "money/progression_table.h"

namespace quorvel {

// Opening phrase naming the wins and losses, e.g. "After 1 win and 1 loss ";
// always ends with a blank, and is empty when both are 0.
std::string ExplainSettings(int wins, int losses);

// Description words of an action code, trailing blanks included, e.g.
// "increase bet by  "; empty for a code outside 0..6.
std::string GetString(int action);

// One line for the rule at index (wins x 10 + losses), e.g.
// "After 2 wins increase bet by  1.5 units"; empty for an index outside 0..99.
std::string RuleLine(const ProgressionTable& table, int index);

}  // namespace quorvel

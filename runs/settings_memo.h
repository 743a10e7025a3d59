// The "Progression Settings" summary of the main screen: one rule line per memo line.
#pragma once

#include <array>
#include <string>

#include "money/progression_table.h"

namespace quorvel {

inline constexpr int kSettingsMemoLines = 26;
using SettingsMemo = std::array<std::string, kSettingsMemoLines>;

// Writes the active rules, in ascending order of wins x 10 + losses, into lines
// 1 onward; line 0 is left as it is. Lines after the last rule are emptied up
// to line 19; a rule that would fall beyond line 25 is not shown.
void ShowSettingsMemo(const ProgressionTable& table, SettingsMemo& memo);

}  // namespace quorvel

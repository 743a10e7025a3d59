// Well-known betting systems as ready progression tables, for the user to start from.
#include "money/progression_presets.h"

#include <algorithm>
#include <array>

namespace quorvel {
namespace {

// After a run of N wins the highest matching rule is N,0, and the results count
// at most 9 in a row, so a cycle over a winning streak is spelled out for
// rules 1,0 to 9,0 and a longer streak keeps the ninth win's stake. After a
// loss only rules 0,L match, so one unit after any loss is rule 0,1.
constexpr std::array<PresetRule, 2> kMartingale = {{
    {0, 1, kMultiplyBet, 2, 0},
    {1, 0, kSetBet, 1, 0},
}};

constexpr std::array<PresetRule, 10> kParoli = {{
    {0, 1, kSetBet, 1, 0},
    {1, 0, kSetBet, 2, 0},
    {2, 0, kSetBet, 4, 0},
    {3, 0, kSetBet, 1, 0},
    {4, 0, kSetBet, 2, 0},
    {5, 0, kSetBet, 4, 0},
    {6, 0, kSetBet, 1, 0},
    {7, 0, kSetBet, 2, 0},
    {8, 0, kSetBet, 4, 0},
    {9, 0, kSetBet, 1, 0},
}};

constexpr std::array<PresetRule, 2> kDAlembert = {{
    {0, 1, kIncreaseBet, 1, 0},
    {1, 0, kDecreaseBet, 1, 0},
}};

constexpr std::array<PresetRule, 10> kOneThreeTwoSix = {{
    {0, 1, kSetBet, 1, 0},
    {1, 0, kSetBet, 3, 0},
    {2, 0, kSetBet, 2, 0},
    {3, 0, kSetBet, 6, 0},
    {4, 0, kSetBet, 1, 0},
    {5, 0, kSetBet, 3, 0},
    {6, 0, kSetBet, 2, 0},
    {7, 0, kSetBet, 6, 0},
    {8, 0, kSetBet, 1, 0},
    {9, 0, kSetBet, 3, 0},
}};

constexpr std::array<PresetRule, 10> kReverseMartingale = {{
    {0, 1, kSetBet, 1, 0},
    {1, 0, kSetBet, 2, 0},
    {2, 0, kSetBet, 4, 0},
    {3, 0, kSetBet, 8, 0},
    {4, 0, kSetBet, 1, 0},
    {5, 0, kSetBet, 2, 0},
    {6, 0, kSetBet, 4, 0},
    {7, 0, kSetBet, 8, 0},
    {8, 0, kSetBet, 1, 0},
    {9, 0, kSetBet, 2, 0},
}};

// Rules 0,1 to 0,9 fire only while every counted result since the last win is
// a loss, so they walk the sequence; a win matches 1,0, the highest of them.
constexpr std::array<PresetRule, 10> kFibonacci = {{
    {0, 1, kSetBet, 1, 0},
    {0, 2, kSetBet, 2, 0},
    {0, 3, kSetBet, 3, 0},
    {0, 4, kSetBet, 5, 0},
    {0, 5, kSetBet, 8, 0},
    {0, 6, kSetBet, 13, 0},
    {0, 7, kSetBet, 21, 0},
    {0, 8, kSetBet, 34, 0},
    {0, 9, kSetBet, 55, 0},
    {1, 0, kSetBet, 1, 0},
}};

constexpr std::array<PresetRule, 2> kContraDAlembert = {{
    {0, 1, kDecreaseBet, 1, 0},
    {1, 0, kIncreaseBet, 1, 0},
}};

constexpr std::array<ProgressionPreset, 8> kPresets = {{
    {"flat-bet", "Flat bet", "One unit every round: no rules.", {}, false},
    {"martingale", "Martingale",
     "Double the stake after each loss; back to one unit after a win.", kMartingale, false},
    {"paroli", "Paroli",
     "1, 2, 4 units over a winning streak, then one unit again; one unit after a loss.", kParoli,
     false},
    {"dalembert", "d'Alembert",
     "One unit more after a loss, one less after a win; the table minimum is raised to one unit.",
     kDAlembert, true},
    {"1-3-2-6", "1-3-2-6",
     "1, 3, 2, 6 units over a winning streak, then one unit again; one unit after a loss.",
     kOneThreeTwoSix, false},
    {"reverse-martingale", "Reverse Martingale",
     "1, 2, 4, 8 units over a winning streak, then one unit again; one unit after a loss.",
     kReverseMartingale, false},
    {"fibonacci", "Fibonacci",
     "1, 1, 2, 3, 5, 8, 13, 21, 34, 55 units over a losing streak; one unit after a win.",
     kFibonacci, false},
    {"contra-dalembert", "Contra d'Alembert",
     "One unit more after a win, one less after a loss; the table minimum is raised to one unit.",
     kContraDAlembert, true},
}};

}  // namespace

std::span<const ProgressionPreset> ProgressionPresets() { return kPresets; }

const ProgressionPreset* FindPreset(std::string_view id) {
  const auto found = std::find_if(kPresets.begin(), kPresets.end(),
                                  [id](const ProgressionPreset& p) { return p.id == id; });
  return found == kPresets.end() ? nullptr : &*found;
}

ProgressionTable PresetTable(const ProgressionPreset& preset) {
  ProgressionTable table;
  for (const PresetRule& rule : preset.rules) {
    const int index = rule.wins * 10 + rule.losses;
    table.ruleAction[index] = rule.action;
    table.ruleUnits[index] = static_cast<int8_t>(rule.wholeUnits);
    table.ruleTenths[index] = static_cast<uint8_t>(rule.tenthUnits);
  }
  table.progressionEnabled = preset.rules.empty() ? 0 : 1;
  return table;
}

bool RulesOfAPreset(const ProgressionTable& table) {
  const auto rulesOnly = [](ProgressionTable t) {
    t.progressionEnabled = 0;
    return t;
  };
  if (rulesOnly(table) == ProgressionTable{}) return true;
  return std::any_of(ProgressionPresets().begin(), ProgressionPresets().end(), [&](const ProgressionPreset& preset) {
    return rulesOnly(PresetTable(preset)) == rulesOnly(table);
  });
}

int64_t PresetMinimum(const ProgressionPreset& preset, int64_t minimum, int64_t unitDollars) {
  return preset.minimumAtUnit ? std::max(minimum, unitDollars) : minimum;
}

}  // namespace quorvel

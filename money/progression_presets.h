// Well-known betting systems as ready progression tables, for the user to start from.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "money/progression_table.h"

namespace quorvel {

// One rule of a preset: after `wins` and `losses`, `action` with its amount.
struct PresetRule {
  int wins = 0;
  int losses = 0;
  BetAction action = kNoAction;
  int wholeUnits = 0;
  int tenthUnits = 0;
};

struct ProgressionPreset {
  std::string_view id;           // the example file's name, and the command line's word
  std::string_view name;         // as the screen lists it
  std::string_view description;  // one line for the user
  std::span<const PresetRule> rules;
  // A system that lowers the stake after a result needs a table minimum of one
  // unit, or the stake falls below the unit it counts in.
  bool minimumAtUnit = false;
};

// Every preset, in the order the screen lists them.
std::span<const ProgressionPreset> ProgressionPresets();

// The preset with this id, or nullptr.
const ProgressionPreset* FindPreset(std::string_view id);

// The preset's rules in an otherwise empty table. Testing is switched on when
// the preset has rules, as giving rules on the command line does.
ProgressionTable PresetTable(const ProgressionPreset& preset);

// Whether the table's rules are those of some preset (no rules at all is the flat bet's), so
// that replacing them by another preset loses nothing the user wrote. The switch for testing
// does not count.
bool RulesOfAPreset(const ProgressionTable& table);

// The table minimum to use with the preset: raised to the dollar unit when the
// preset needs it, else `minimum` as it is.
int64_t PresetMinimum(const ProgressionPreset& preset, int64_t minimum, int64_t unitDollars);

}  // namespace quorvel

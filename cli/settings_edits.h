// Changes to a settings file asked for on the command line, checked and applied.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/settings_file.h"

namespace quorvel::cli {

// The options of `settings new` and `settings set`, as typed. An empty
// optional or an unset flag leaves its field as it is.
struct SettingsArguments {
  std::optional<std::string> players;
  std::optional<std::string> decks;
  std::optional<std::string> penetration;
  bool continuousShuffle = false;
  bool dealerHitsSoft17 = false;
  bool dealerStandsSoft17 = false;
  bool lateSurrender = false;
  bool noSurrender = false;
  bool noDoubleAfterSplit = false;
  bool doubleAfterSplit = false;

  std::optional<std::string> bankroll;
  bool bankrollInUnits = false;
  bool bankrollInDollars = false;
  std::optional<std::string> unit;
  bool unitPercent = false;
  bool unitDollars = false;

  std::optional<std::string> winLimit;  // none, stop, first-loss
  std::optional<std::string> winAmount;
  std::optional<std::string> lossLimit;  // none, stop
  std::optional<std::string> lossAmount;
  std::optional<std::string> minimum;
  std::optional<std::string> maximum;

  std::optional<std::string> preset;  // a preset's id: its rules replace the stored ones
  std::vector<std::string> rules;     // "W,L,ACTION[,AMOUNT]" each, over the preset's
  bool progression = false;
  bool noProgression = false;
  bool clearRules = false;
};

// One progression rule from "W,L,ACTION[,AMOUNT]".
struct RuleArgument {
  int index = 0;  // wins x 10 + losses
  int8_t action = 0;
  int8_t wholeUnits = 0;
  uint8_t tenthUnits = 0;
};

struct RuleParse {
  RuleArgument rule;
  std::string error;  // empty when the text was a rule
};

// Wins and losses 0..9, not both 0; an action by name (none, set, increase,
// decrease, multiply, divide, end); an amount of 0 to 99.9 units with at most
// one decimal for the actions that take one, none for the others.
RuleParse ParseRule(std::string_view text);

// Applies the arguments to `settings`, or leaves it untouched and returns why
// they cannot be applied. A preset's table minimum is applied unless --min is
// given. A new file (`newFile`) must give the amount of any
// limit it turns on; a file being changed may keep its stored amount unless
// its limit was off.
std::optional<std::string> ApplySettingsArguments(const SettingsArguments& arguments, bool newFile,
                                                  SettingsFile& settings);

}  // namespace quorvel::cli

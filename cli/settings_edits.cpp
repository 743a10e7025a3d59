// Checking and applying the settings options of the command line.
#include "cli/settings_edits.h"

#include <array>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "cli/option_values.h"
#include "money/lenient_number.h"
#include "money/progression_presets.h"
#include "money/progression_table.h"

namespace quorvel::cli {
namespace {

using Problem = std::optional<std::string>;

// A money text field holds 7 characters.
constexpr int64_t kLargestMoney = 9999999;
constexpr int64_t kLargestLimit = 9999;
constexpr int kLargestRuleUnits = 99;  // what the rule editor's spinner offers

// A percent as typed: digits with at most one decimal point, 7 characters at
// most, above 0 and at most 100. The program reads the text, so it is kept.
bool IsPercentText(std::string_view text) {
  if (text.empty() || text.size() > 7) return false;
  int points = 0;
  int digits = 0;
  for (char c : text) {
    if (c == '.') {
      ++points;
    } else if (IsDigit(c)) {
      ++digits;
    } else {
      return false;
    }
  }
  const double value = LeadingDecimal(text);
  return points <= 1 && digits > 0 && value > 0 && value <= 100;
}

Problem BothGiven(bool first, std::string_view firstName, bool second,
                  std::string_view secondName) {
  if (!(first && second)) return std::nullopt;
  return std::string(firstName) + " and " + std::string(secondName) + " contradict each other";
}

// The index of a name in a list of choices, or nothing.
template <std::size_t N>
std::optional<int8_t> ChoiceNamed(std::string_view name,
                                  const std::array<std::string_view, N>& names) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == name) return static_cast<int8_t>(i);
  }
  return std::nullopt;
}

std::string Listed(std::span<const std::string_view> names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " or " : ", ";
    text += names[i];
  }
  return text;
}

constexpr std::array<std::string_view, 7> kActionNames = {
    "none", "set", "increase", "decrease", "multiply", "divide", "end"};
constexpr std::array<std::string_view, 3> kWinModes = {"none", "stop", "first-loss"};
constexpr std::array<std::string_view, 2> kLossModes = {"none", "stop"};

// One limit: its mode group and its dollar text.
struct LimitArguments {
  std::string_view modeOption;
  std::string_view amountOption;
  const std::optional<std::string>& mode;
  const std::optional<std::string>& amount;
};

template <std::size_t N>
Problem ApplyLimit(const LimitArguments& limit, const std::array<std::string_view, N>& modes,
                   bool newFile, int8_t& storedMode, SettingsText& storedAmount) {
  int8_t mode = storedMode;
  if (limit.mode) {
    const std::optional<int8_t> chosen = ChoiceNamed(*limit.mode, modes);
    if (!chosen) {
      return std::string(limit.modeOption) + " takes " + Listed(modes) + ", not " +
             Quoted(*limit.mode);
    }
    mode = *chosen;
  }
  const bool on = mode >= 1 && mode < static_cast<int>(N);
  const bool wasOn = storedMode >= 1 && storedMode < static_cast<int>(N);
  if (limit.amount) {
    if (!on) {
      return std::string(limit.amountOption) + " needs a limit: add " +
             std::string(limit.modeOption) + " " + std::string(modes[1]);
    }
    int64_t dollars = 0;
    const Problem bad = ReadWhole(limit.amountOption, *limit.amount, 0, kLargestMoney, dollars);
    if (bad) return bad;
    storedAmount = MakeSettingsText(std::to_string(dollars));
  } else if (on && (newFile || !wasOn)) {
    // A limit turned on without an amount would silently use whatever text is stored.
    return std::string(limit.modeOption) + " " + std::string(modes[mode]) + " needs " +
           std::string(limit.amountOption) + " in dollars";
  }
  storedMode = mode;
  return std::nullopt;
}

Problem ApplyTable(const SettingsArguments& a, TableOptions& o) {
  int64_t value = 0;
  if (a.players) {
    if (Problem p = ReadWhole("--players", *a.players, 1, 7, value)) return p;
    o.players = static_cast<uint8_t>(value);
  }
  if (a.decks) {
    if (Problem p = ReadDecks("--decks", *a.decks, value)) return p;
    o.decks = static_cast<uint8_t>(value);
  }
  if (a.penetration) {
    if (Problem p = ReadWhole("--penetration", *a.penetration, 50, 90, value)) return p;
    o.penetration = static_cast<uint8_t>(value);
  }
  if (a.continuousShuffle) o.penetration = 0;
  if (a.dealerHitsSoft17 || a.dealerStandsSoft17) o.dealerHitsSoft17 = a.dealerHitsSoft17 ? 1 : 0;
  if (a.lateSurrender || a.noSurrender) o.lateSurrender = a.lateSurrender ? 1 : 0;
  if (a.noDoubleAfterSplit || a.doubleAfterSplit) {
    o.noDoubleAfterSplit = a.noDoubleAfterSplit ? 1 : 0;
  }
  return std::nullopt;
}

Problem ApplyMoney(const SettingsArguments& a, TableOptions& o) {
  if (a.bankrollInUnits || a.bankrollInDollars) o.bankrollInUnits = a.bankrollInUnits ? 1 : 0;
  if (a.bankroll) {
    int64_t bankroll = 0;
    if (Problem p = ReadWhole("--bankroll", *a.bankroll, 1, kLargestMoney, bankroll)) return p;
    o.bankrollText = MakeSettingsText(std::to_string(bankroll));
  }

  // A stored unit text means dollars or a percent by its mode, so a new mode needs a new text.
  const bool wasPercent = o.betUnitInPercent != 0;
  const bool percent = a.unitPercent || (wasPercent && !a.unitDollars);
  if (percent != wasPercent && !a.unit) {
    return std::string(percent ? "--unit-percent" : "--unit-dollars") + " needs --unit with the " +
           (percent ? "percent" : "dollars");
  }
  if (a.unitPercent || a.unitDollars) o.betUnitInPercent = percent ? 1 : 0;
  if (a.unit) {
    if (percent) {
      if (!IsPercentText(*a.unit)) {
        const std::string rule = "above 0 and at most 100, 7 characters at most (e.g. 0.5)";
        return "--unit as a percent takes a number " + rule + ", not " + Quoted(*a.unit);
      }
      o.betUnitText = MakeSettingsText(*a.unit);
    } else {
      int64_t dollars = 0;
      if (Problem p = ReadWhole("--unit", *a.unit, 1, kLargestMoney, dollars)) return p;
      o.betUnitText = MakeSettingsText(std::to_string(dollars));
    }
  }
  // The options screen keeps these two apart: a bankroll in units counts dollar units.
  if ((a.bankrollInUnits || a.unitPercent) && o.bankrollInUnits != 0 && o.betUnitInPercent != 0) {
    return "a bankroll in units needs a unit in dollars, not a percent of the bankroll";
  }
  return std::nullopt;
}

// The preset named by --preset, or why there is none.
struct PresetChoice {
  const ProgressionPreset* preset = nullptr;
  Problem problem;
};

PresetChoice ChoosePreset(const std::optional<std::string>& id) {
  if (!id) return {};
  if (const ProgressionPreset* preset = FindPreset(*id)) return {preset, std::nullopt};
  std::vector<std::string_view> ids;
  for (const ProgressionPreset& preset : ProgressionPresets()) ids.push_back(preset.id);
  return {nullptr, "--preset takes " + Listed(ids) + ", not " + Quoted(*id)};
}

Problem ApplyTableLimits(const SettingsArguments& a, const ProgressionPreset* preset,
                         SettingsFile& s) {
  // A typed --min is the user's word over what the preset needs.
  const bool presetMinimum = preset != nullptr && preset->minimumAtUnit && !a.minimum;
  if (!a.minimum && !a.maximum && !presetMinimum) return std::nullopt;
  int64_t minimum = LeadingInteger(s.minimumText);
  int64_t maximum = LeadingInteger(s.maximumText);
  if (a.minimum) {
    if (Problem p = ReadWhole("--min", *a.minimum, 0, kLargestLimit, minimum)) return p;
  }
  bool minimumChanged = a.minimum.has_value();
  if (presetMinimum) {
    const std::string id(preset->id);
    if (s.options.betUnitInPercent != 0) {
      return "--preset " + id + " raises the table minimum to the unit, which is a percent here: " +
             "give --min in dollars";
    }
    const int64_t unit = LeadingInteger(TextOf(s.options.betUnitText));
    const int64_t raised = PresetMinimum(*preset, minimum, unit);
    if (raised > kLargestLimit) {
      return "--preset " + id + " raises the table minimum to the $" + std::to_string(raised) +
             " unit, above the largest minimum $" + std::to_string(kLargestLimit);
    }
    minimumChanged = minimumChanged || raised != minimum;
    minimum = raised;
  }
  if (a.maximum) {
    if (Problem p = ReadWhole("--max", *a.maximum, 1, kLargestLimit, maximum)) return p;
  }
  if (minimum > maximum) {
    return "the bet minimum $" + std::to_string(minimum) + " is above the bet maximum $" +
           std::to_string(maximum);
  }
  if (minimumChanged) {
    s.options.betMinimum = static_cast<int32_t>(minimum);
    s.minimumText = std::to_string(minimum);
  }
  if (a.maximum) {
    s.options.betMaximum = static_cast<int32_t>(maximum);
    s.maximumText = std::to_string(maximum);
  }
  return std::nullopt;
}

Problem ApplyRules(const SettingsArguments& a, const ProgressionPreset* preset,
                   ProgressionTable& p) {
  std::vector<RuleArgument> rules;
  std::set<int> seen;
  bool anyAction = false;
  for (const std::string& text : a.rules) {
    RuleParse parsed = ParseRule(text);
    if (!parsed.error.empty()) return parsed.error;
    const int index = parsed.rule.index;
    if (!seen.insert(index).second) {
      return "--rule gives the rule after " + std::to_string(index / 10) + " wins and " +
             std::to_string(index % 10) + " losses twice";
    }
    anyAction = anyAction || parsed.rule.action != kNoAction;
    rules.push_back(parsed.rule);
  }

  // A preset is a whole table: it replaces every stored rule, as --clear-rules does,
  // and its rules count as given ones.
  const bool replaced = a.clearRules || preset != nullptr;
  if (replaced) {
    const ProgressionTable fresh = preset != nullptr ? PresetTable(*preset) : ProgressionTable{};
    p.ruleAction = fresh.ruleAction;
    p.ruleUnits = fresh.ruleUnits;
    p.ruleTenths = fresh.ruleTenths;
    p.ruleEndSeq = fresh.ruleEndSeq;
    anyAction = anyAction || fresh.progressionEnabled != 0;
  }
  for (const RuleArgument& rule : rules) {
    p.ruleAction[rule.index] = rule.action;
    p.ruleUnits[rule.index] = rule.wholeUnits;
    p.ruleTenths[rule.index] = rule.tenthUnits;
  }
  if (a.noProgression) {
    p.progressionEnabled = 0;
  } else if (a.progression || anyAction) {
    p.progressionEnabled = 1;
  } else if (replaced) {
    p.progressionEnabled = 0;
  }
  return std::nullopt;
}

}  // namespace

RuleParse ParseRule(std::string_view text) {
  RuleParse result;
  auto refuse = [&](const std::string& why) {
    result.error = "--rule " + Quoted(text) + ": " + why;
    return result;
  };
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t comma = text.find(',', start);
    parts.push_back(text.substr(start, comma == std::string_view::npos ? comma : comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  if (parts.size() < 3 || parts.size() > 4) {
    return refuse("write WINS,LOSSES,ACTION[,AMOUNT], e.g. 0,1,multiply,2");
  }
  auto count = [](std::string_view digit) -> int {
    return digit.size() == 1 && IsDigit(digit[0]) ? digit[0] - '0' : -1;
  };
  const int wins = count(parts[0]);
  const int losses = count(parts[1]);
  if (wins < 0 || losses < 0) return refuse("wins and losses are whole numbers from 0 to 9");
  if (wins + losses == 0) return refuse("a rule waits for at least one win or loss");

  const std::optional<int8_t> action = ChoiceNamed(parts[2], kActionNames);
  if (!action) return refuse("the action is one of " + Listed(kActionNames));
  const bool takesAmount = *action >= kSetBet && *action <= kDivideBet;
  const std::string name(parts[2]);
  if (!takesAmount && parts.size() == 4) return refuse(name + " takes no amount");
  if (takesAmount && parts.size() == 3) {
    return refuse(name + " needs an amount, e.g. " + std::string(parts[0]) + "," +
                  std::string(parts[1]) + "," + name + ",2");
  }

  int whole = 0;
  int tenths = 0;
  if (takesAmount) {
    // One or two digits, then at most one decimal: the rule stores whole units and tenths.
    const std::string_view amount = parts[3];
    const std::size_t point = amount.find('.');
    const std::string_view wholePart = amount.substr(0, point);
    const std::string_view tenthPart =
        point == std::string_view::npos ? std::string_view() : amount.substr(point + 1);
    const std::optional<int64_t> wholeValue = WholeNumber(wholePart);
    const bool tenthOk =
        point == std::string_view::npos || (tenthPart.size() == 1 && IsDigit(tenthPart[0]));
    if (!wholeValue || *wholeValue > kLargestRuleUnits || !tenthOk) {
      return refuse("the amount is 0 to 99.9 units with at most one decimal, e.g. 1.5");
    }
    whole = static_cast<int>(*wholeValue);
    tenths = tenthPart.empty() ? 0 : tenthPart[0] - '0';
    if (*action == kDivideBet && whole == 0 && tenths == 0) {
      return refuse("divide needs an amount above 0");
    }
  }
  result.rule = {wins * 10 + losses, *action, static_cast<int8_t>(whole),
                 static_cast<uint8_t>(tenths)};
  return result;
}

std::optional<std::string> ApplySettingsArguments(const SettingsArguments& a, bool newFile,
                                                  SettingsFile& settings) {
  for (Problem p :
       {BothGiven(a.penetration.has_value(), "--penetration", a.continuousShuffle,
                  "--continuous-shuffle"),
        BothGiven(a.dealerHitsSoft17, "--h17", a.dealerStandsSoft17, "--s17"),
        BothGiven(a.lateSurrender, "--late-surrender", a.noSurrender, "--no-surrender"),
        BothGiven(a.noDoubleAfterSplit, "--no-das", a.doubleAfterSplit, "--das"),
        BothGiven(a.bankrollInUnits, "--bankroll-in-units", a.bankrollInDollars,
                  "--bankroll-in-dollars"),
        BothGiven(a.unitPercent, "--unit-percent", a.unitDollars, "--unit-dollars"),
        BothGiven(a.progression, "--progression", a.noProgression, "--no-progression")}) {
    if (p) return p;
  }

  const PresetChoice chosen = ChoosePreset(a.preset);
  if (chosen.problem) return chosen.problem;

  SettingsFile s = settings;
  TableOptions& o = s.options;
  if (Problem p = ApplyTable(a, o)) return p;
  if (Problem p = ApplyMoney(a, o)) return p;
  if (Problem p = ApplyLimit({"--win-limit", "--win-amount", a.winLimit, a.winAmount}, kWinModes,
                             newFile, o.winLimitMode, o.winLimitText)) {
    return p;
  }
  if (Problem p = ApplyLimit({"--loss-limit", "--loss-amount", a.lossLimit, a.lossAmount},
                             kLossModes, newFile, o.lossLimitMode, o.lossLimitText)) {
    return p;
  }
  if (Problem p = ApplyTableLimits(a, chosen.preset, s)) return p;
  if (Problem p = ApplyRules(a, chosen.preset, s.progression)) return p;
  settings = std::move(s);
  return std::nullopt;
}

}  // namespace quorvel::cli

// `quorvel-cli settings`: show, write and change settings files.
#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/option_values.h"
#include "cli/settings_edits.h"
#include "cli/settings_reader.h"
#include "config/default_settings.h"
#include "config/settings_description.h"
#include "config/settings_values.h"
#include "money/progression_presets.h"
#include "money/progression_text.h"

namespace quorvel::cli {
namespace {

// One line a preset: its id, padded to a column, then its name and description.
int ListPresets() {
  for (const ProgressionPreset& preset : ProgressionPresets()) {
    std::string id(preset.id);
    id.resize(std::max<std::size_t>(id.size() + 2, 20), ' ');
    std::cout << id << preset.name << ": " << preset.description << '\n';
  }
  return 0;
}

int ShowSettings(const std::string& file) {
  const ExactRead read = ReadSettingsExactly(file);
  if (!read.settings) return Fail(read.error);
  std::cout << DescribeSettings(*read.settings, RuleLine);
  return 0;
}

// A new file starts from the defaults; a changed one from its own bytes.
int WriteSettings(const std::string& file, const SettingsArguments& arguments, bool newFile) {
  SettingsFile settings = DefaultSettings();
  if (!newFile) {
    const ExactRead read = ReadSettingsExactly(file);
    if (!read.settings) return Fail(read.error);
    settings = *read.settings;
  }
  if (auto problem = ApplySettingsArguments(arguments, newFile, settings)) return Fail(*problem);
  // No file is written that a test would refuse: a set that leaves a bad value must mend it too.
  if (auto problem = CheckSettingsValues(settings.options)) {
    return Fail(SentencePart(problem->message));
  }
  const SaveResult saved = SaveData(file, settings);
  if (!saved) return Fail(saved.message);
  return 0;
}

void AddFileArgument(CLI::App* command, std::string& file) {
  command->add_option("FILE", file, "The settings file")->required();
}

// A text option; its value is checked later, so every refusal reads the same way.
void AddText(CLI::App* command, const std::string& name, std::optional<std::string>& field,
             const std::string& help, const std::string& type) {
  command->add_option(name, field, help)->type_name(type);
}

void AddEditOptions(CLI::App* command, SettingsArguments& a) {
  AddText(command, "--players", a.players, "Player seats, 1 to 7 (new file: 1)", "N");
  AddText(command, "--decks", a.decks, "Decks: 2, 4, 6 or 8 (new file: 6)", "N");
  AddText(command, "--penetration", a.penetration,
          "Percent dealt before a reshuffle, 50 to 90 (new file: 75)", "P");
  command->add_flag("--continuous-shuffle", a.continuousShuffle, "Reshuffle after every round");
  command->add_flag("--h17", a.dealerHitsSoft17, "Dealer hits soft 17");
  command->add_flag("--s17", a.dealerStandsSoft17, "Dealer stands on all 17s (new file)");
  command->add_flag("--late-surrender", a.lateSurrender, "Late surrender");
  command->add_flag("--no-surrender", a.noSurrender, "No surrender (new file)");
  command->add_flag("--no-das", a.noDoubleAfterSplit, "No doubling after a split");
  command->add_flag("--das", a.doubleAfterSplit, "Doubling after a split (new file)");
  AddText(command, "--bankroll", a.bankroll,
          "Starting bankroll in whole dollars or units (new file: 1000)", "N");
  command->add_flag("--bankroll-in-units", a.bankrollInUnits, "The bankroll counts bet units");
  command->add_flag("--bankroll-in-dollars", a.bankrollInDollars,
                    "The bankroll counts dollars (new file)");
  AddText(command, "--unit", a.unit,
          "Bet unit in whole dollars or a percent of the bankroll (new file: 10)", "AMOUNT");
  command->add_flag("--unit-percent", a.unitPercent, "The unit is a percent of the bankroll");
  command->add_flag("--unit-dollars", a.unitDollars, "The unit is in dollars (new file)");
  AddText(command, "--win-limit", a.winLimit,
          "none, stop, or first-loss: stop at the first loss after it (new file: none)", "MODE");
  AddText(command, "--win-amount", a.winAmount, "Win limit, dollars above the starting bankroll",
          "DOLLARS");
  AddText(command, "--loss-limit", a.lossLimit, "none or stop (new file: none)", "MODE");
  AddText(command, "--loss-amount", a.lossAmount, "Loss limit, dollars below the starting bankroll",
          "DOLLARS");
  AddText(command, "--min", a.minimum, "Table minimum, 0 to 9999 dollars (new file: 5)", "DOLLARS");
  AddText(command, "--max", a.maximum, "Table maximum, 1 to 9999 dollars (new file: 500)",
          "DOLLARS");
  command
      ->add_option("--rule", a.rules,
                   "After W wins and L losses (0 to 9): none, set, increase, decrease, multiply, "
                   "divide (with an amount in units, e.g. 1.5) or end. Repeatable; turns "
                   "progression testing on")
      ->allow_extra_args(false)
      ->type_name("W,L,ACTION[,AMOUNT]");
  AddText(command, "--preset", a.preset,
          "Start the rules from a betting system (`settings presets` lists them); it replaces "
          "the stored rules, and --rule options change it",
          "ID");
  command->add_flag("--progression", a.progression, "Turn progression testing on");
  command->add_flag("--no-progression", a.noProgression,
                    "Keep the rules but leave progression testing off");
}

}  // namespace

CLI::App* AddSettingsCommand(CLI::App& app, int& exitCode) {
  CLI::App* settings = app.add_subcommand("settings", "Show, write or change a settings file");
  settings->require_subcommand(1);

  auto showFile = std::make_shared<std::string>();
  CLI::App* show = settings->add_subcommand("show", "Print every setting of a settings file");
  AddFileArgument(show, *showFile);
  show->callback([showFile, &exitCode] { exitCode = ShowSettings(*showFile); });

  struct Edit {
    std::string file;
    SettingsArguments arguments;
  };
  auto created = std::make_shared<Edit>();
  CLI::App* make = settings->add_subcommand(
      "new", "Write a settings file: the defaults, changed by the options given");
  AddFileArgument(make, created->file);
  AddEditOptions(make, created->arguments);
  make->callback([created, &exitCode] {
    exitCode = WriteSettings(created->file, created->arguments, true);
  });

  auto changed = std::make_shared<Edit>();
  CLI::App* change = settings->add_subcommand(
      "set", "Change the settings given in an existing file and keep all the others");
  AddFileArgument(change, changed->file);
  AddEditOptions(change, changed->arguments);
  change->add_flag("--clear-rules", changed->arguments.clearRules,
                   "Remove every rule first (progression testing goes off unless rules are given)");
  change->callback([changed, &exitCode] {
    exitCode = WriteSettings(changed->file, changed->arguments, false);
  });
  settings->add_subcommand("presets", "List the betting systems --preset starts from")
      ->callback([&exitCode] { exitCode = ListPresets(); });
  return settings;
}

}  // namespace quorvel::cli

// `quorvel-cli deal`: deals a few rounds and prints each one.
#include <ctime>
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/option_values.h"
#include "cli/round_printer.h"
#include "config/program_folders.h"
#include "engine/chart_check.h"
#include "runs/simulator.h"

namespace quorvel::cli {
namespace {

struct DealOptions {
  std::string rounds = "5";
  std::string players = "3";
  std::string decks = "6";
  std::string penetration = "75";
  std::optional<std::string> seed;
  std::string chartDirectory = ThisProgramsFolders().ChartDirectory().string();
};

// The table the options ask for, or why they do not make one.
std::optional<std::string> ReadTable(const DealOptions& options, int64_t& rounds, uint32_t& seed,
                                     AppliedSettings& settings) {
  int64_t value = 0;
  if (auto problem = ReadWhole("--rounds", options.rounds, 1, 1000, rounds)) return problem;
  if (auto problem = ReadWhole("--players", options.players, 1, 7, value)) return problem;
  settings.rules.players = static_cast<int>(value);
  if (auto problem = ReadDecks("--decks", options.decks, value)) return problem;
  settings.rules.decks = static_cast<int>(value);
  if (auto problem = ReadWhole("--penetration", options.penetration, 0, 90, value)) return problem;
  settings.rules.penetration = static_cast<int>(value);
  seed = static_cast<uint32_t>(std::time(nullptr));
  if (options.seed) {
    if (auto problem = ReadWhole("--seed", *options.seed, 0, kLargestSeed, value)) return problem;
    seed = static_cast<uint32_t>(value);
  }
  settings.money.bankroll = 1000;
  settings.money.unitDollars = 10;
  settings.tableMinimum = 5;
  settings.tableMaximum = 500;
  return std::nullopt;
}

int Deal(const DealOptions& options) {
  int64_t rounds = 0;
  uint32_t seed = 0;
  AppliedSettings settings;
  if (auto problem = ReadTable(options, rounds, seed, settings)) return Fail(*problem);
  RoundPrinter printer;
  Simulator simulator(&printer);
  simulator.Seed(seed);
  simulator.SetChartDirectory(options.chartDirectory);
  simulator.ApplySettings(settings);
  if (auto problem = ChartFileProblem(simulator.ChartFile())) return Fail(*problem);
  std::cout << "Quorvel: " << simulator.engine.Rules().players << " seats, "
            << simulator.engine.Rules().decks << " decks, seed " << seed << "\n\n";
  for (int64_t i = 0; i < rounds; ++i) {
    printer.StartRound();
    const double before = simulator.money.bankroll;
    const float stake = simulator.money.bet;
    simulator.DealCards();
    printer.Print(std::cout, simulator.engine, simulator.run.handsPlayed, before,
                  simulator.money.bankroll, stake);
    std::cout << '\n';
  }
  return 0;
}

}  // namespace

CLI::App* AddDealCommand(CLI::App& app, int& exitCode) {
  auto options = std::make_shared<DealOptions>();
  CLI::App* deal = app.add_subcommand("deal", "Deal a few rounds and show every card");
  deal->add_option("--rounds", options->rounds, "Rounds to deal, 1 to 1000 (default 5)")->type_name("N");
  deal->add_option("--players", options->players, "Seats at the table, 1 to 7 (default 3)")
      ->type_name("N");
  deal->add_option("--decks", options->decks, "Decks in the shoe: 2, 4, 6 or 8 (default 6)")
      ->type_name("N");
  deal->add_option("--penetration", options->penetration,
                   "Percent dealt before a reshuffle, 0 for continuous shuffle (default 75)")
      ->type_name("P");
  deal->add_option("--seed", options->seed, "Seed of the shuffle, 0 to 4294967295 (default: the clock)")
      ->type_name("S");
  deal->add_option("--charts", options->chartDirectory,
                  "Directory of the chart files (default: the build folder's or the install's chartdata)")
      ->type_name("DIR");
  deal->callback([options, &exitCode] { exitCode = Deal(*options); });
  return deal;
}

}  // namespace quorvel::cli

// `quorvel-cli deal`: deals a few rounds and prints each one.
#include <ctime>
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/round_printer.h"
#include "cli/startup.h"
#include "runs/simulator.h"

namespace quorvel::cli {
namespace {

struct DealOptions {
  int rounds = 5;
  int players = 3;
  int decks = 6;
  int penetration = 75;
  int64_t seed = -1;
  std::string chartDirectory = ChartDirectory().string();
};

int Deal(const DealOptions& options) {
  RoundPrinter printer;
  Simulator simulator(&printer);
  const uint32_t seed = options.seed >= 0 ? static_cast<uint32_t>(options.seed)
                                          : static_cast<uint32_t>(std::time(nullptr));
  simulator.Seed(seed);
  simulator.SetChartDirectory(options.chartDirectory);
  AppliedSettings settings;
  settings.rules.players = options.players;
  settings.rules.decks = options.decks;
  settings.rules.penetration = options.penetration;
  settings.money.bankroll = 1000;
  settings.money.unitDollars = 10;
  settings.tableMinimum = 5;
  settings.tableMaximum = 500;
  simulator.ApplySettings(settings);
  if (!simulator.engine.chart.Loaded()) {
    std::cerr << "quorvel-cli: no strategy chart in '" << options.chartDirectory
              << "' for these rules\n";
    return kExitBadInput;
  }
  std::cout << "Quorvel: " << simulator.engine.Rules().players << " seats, "
            << simulator.engine.Rules().decks << " decks, seed " << seed << "\n\n";
  for (int i = 0; i < options.rounds; ++i) {
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
  deal->add_option("--rounds", options->rounds, "Rounds to deal")->check(CLI::Range(1, 1000));
  deal->add_option("--players", options->players, "Seats at the table")->check(CLI::Range(1, 7));
  deal->add_option("--decks", options->decks, "Decks in the shoe")->check(CLI::IsMember({2, 4, 6, 8}));
  deal->add_option("--penetration", options->penetration, "Percent dealt before a reshuffle, 0 for continuous shuffle")
      ->check(CLI::Range(0, 90));
  deal->add_option("--seed", options->seed, "Seed of the shuffle (default: the clock)")
      ->check(CLI::Range(int64_t{0}, int64_t{4294967295}));
  deal->add_option("--charts", options->chartDirectory,
                  "Directory of the chart files (default: chartdata beside the program)");
  deal->callback([options, &exitCode] { exitCode = Deal(*options); });
  return deal;
}

}  // namespace quorvel::cli

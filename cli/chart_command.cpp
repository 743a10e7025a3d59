// `quorvel-cli chart`: the strategy chart for a set of rules, readably.
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/option_values.h"
#include "config/program_folders.h"
#include "engine/chart_check.h"
#include "engine/chart_text.h"
#include "engine/strategy_chart.h"

namespace quorvel::cli {
namespace {

struct ChartOptions {
  std::string decks = "6";
  ChartRules rules;
};

int PrintChart(const ChartOptions& options) {
  ChartRules rules = options.rules;
  int64_t decks = 0;
  if (auto problem = ReadDecks("--decks", options.decks, decks)) return Fail(*problem);
  rules.decks = static_cast<int>(decks);
  const std::filesystem::path file = ThisProgramsFolders().ChartDirectory() / ChartFileName(rules);
  if (auto problem = ChartFileProblem(file)) return Fail(*problem);
  StrategyChart chart;
  ReadChartFile(file, chart);
  std::cout << file.filename().string() << '\n' << ChartText(chart);
  return 0;
}

}  // namespace

CLI::App* AddChartCommand(CLI::App& app, int& exitCode) {
  auto options = std::make_shared<ChartOptions>();
  CLI::App* chart = app.add_subcommand("chart", "Print the strategy chart for a set of rules");
  chart->add_option("--decks", options->decks, "Decks in the shoe: 2, 4, 6 or 8 (default 6)")
      ->type_name("N");
  chart->add_flag("--h17", options->rules.dealerHitsSoft17, "Dealer hits soft 17");
  chart->add_flag("--no-das", options->rules.noDoubleAfterSplit, "No doubling after a split");
  chart->add_flag("--late-surrender", options->rules.lateSurrender, "Late surrender");
  chart->callback([options, &exitCode] { exitCode = PrintChart(*options); });
  return chart;
}

}  // namespace quorvel::cli

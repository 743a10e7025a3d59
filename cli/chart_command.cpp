// `quorvel-cli chart`: the strategy chart for a set of rules, readably.
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/startup.h"
#include "engine/chart_text.h"
#include "engine/strategy_chart.h"

namespace quorvel::cli {
namespace {

int PrintChart(const ChartRules& rules) {
  const std::filesystem::path file = ChartDirectory() / ChartFileName(rules);
  StrategyChart chart;
  if (ReadChartFile(file, chart) != kChartFileSize) {
    std::cerr << "quorvel-cli: cannot read a whole chart from '" << file.string() << "'\n";
    return kExitBadInput;
  }
  std::cout << file.filename().string() << '\n' << ChartText(chart);
  return 0;
}

}  // namespace

CLI::App* AddChartCommand(CLI::App& app, int& exitCode) {
  auto rules = std::make_shared<ChartRules>();
  rules->decks = 6;
  CLI::App* chart = app.add_subcommand("chart", "Print the strategy chart for a set of rules");
  chart->add_option("--decks", rules->decks, "Decks in the shoe (default 6)")
      ->check(CLI::IsMember({2, 4, 6, 8}));
  chart->add_flag("--h17", rules->dealerHitsSoft17, "Dealer hits soft 17");
  chart->add_flag("--no-das", rules->noDoubleAfterSplit, "No doubling after a split");
  chart->add_flag("--late-surrender", rules->lateSurrender, "Late surrender");
  chart->callback([rules, &exitCode] { exitCode = PrintChart(*rules); });
  return chart;
}

}  // namespace quorvel::cli

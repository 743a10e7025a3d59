// Building the strategy charts of every rule set and writing the chart files.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/strategy_chart.h"

namespace quorvel::analyzer {

// The four charts of one deck count and soft-17 rule, in VariantIndex order.
std::array<StrategyChart, 4> BuildChartFamily(int decks, bool hitsSoft17, int threads);

StrategyChart BuildChart(const ChartRules& rules, int threads);

// All 32 rule sets, in a fixed order.
std::vector<ChartRules> AllChartRules();

// Computes every chart and writes it under its file name into `directory`.
// Returns an empty string, or what went wrong.
std::string GenerateAllCharts(const std::filesystem::path& directory, int threads);

}  // namespace quorvel::analyzer

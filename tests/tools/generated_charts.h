// The analyzer's charts for the tests, computed once per deck count and soft-17 rule.
#pragma once

#include <map>
#include <utility>

#include "tools/chart_analyzer/chart_builder.h"
#include "tools/chart_analyzer/column_analysis.h"

namespace quorvel::testing {

inline const StrategyChart& GeneratedChart(const ChartRules& rules) {
  static std::map<std::pair<int, bool>, std::array<StrategyChart, 4>> families;
  const std::pair<int, bool> family{rules.decks, rules.dealerHitsSoft17};
  auto found = families.find(family);
  if (found == families.end()) {
    found =
        families.emplace(family, analyzer::BuildChartFamily(rules.decks, rules.dealerHitsSoft17, 2))
            .first;
  }
  return found->second[analyzer::VariantIndex(rules.noDoubleAfterSplit, rules.lateSurrender)];
}

// Chart positions named as a player reads them.
inline constexpr int kColumnAce = 9;
inline constexpr int kColumnTen = 8;
inline int Column(int upValue) { return upValue == 1 ? kColumnAce : upValue - 2; }
inline int HardRow(int total) { return 35 - total; }
inline int SoftRow(int total) { return 30 - total; }
inline int PairRow(int value) { return value == 1 ? 0 : 11 - value; }

}  // namespace quorvel::testing

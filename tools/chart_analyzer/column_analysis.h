// One dealer up card analyzed for the four charts of a deck count and soft-17 rule.
#pragma once

#include <array>

#include "engine/strategy_chart.h"
#include "tools/chart_analyzer/card_counts.h"

namespace quorvel::analyzer {

// The four charts sharing a deck count and soft-17 rule differ in doubling
// after splits and late surrender; they are computed together.
inline constexpr int kRuleVariants = 4;
constexpr int VariantIndex(bool noDoubleAfterSplit, bool lateSurrender) {
  return (noDoubleAfterSplit ? 2 : 0) + (lateSurrender ? 1 : 0);
}

// Values of one choice given that the round is played (no dealer blackjack).
struct ChoiceValues {
  double stand = 0.0;
  double hit = 0.0;
  double doubleDown = 0.0;
  double surrender = 0.0;
};

struct PairValues {
  double split = 0.0;
  double played = 0.0;  // played by its total row instead
};

struct ColumnAnalysis {
  int upRank = 0;
  // The column's chart cells, rows 0..27, for each rule variant.
  std::array<std::array<char, kChartRows>, kRuleVariants> cells{};
  // Averages over the two-card hands (pairs excepted) of hard 8..17 and soft 13..20.
  std::array<ChoiceValues, 22> hard{};
  std::array<ChoiceValues, 22> soft{};
  std::array<std::array<PairValues, kRankCount>, kRuleVariants> pairs{};
};

ColumnAnalysis AnalyzeColumn(int decks, bool hitsSoft17, int upRank);

// Chart positions of a dealer up card and of the rows.
constexpr int ChartColumn(int upRank) { return upRank == kAce ? 9 : upRank - 1; }
constexpr int PairRow(int pairRank) { return pairRank == kAce ? 0 : 10 - pairRank; }
constexpr int SoftRow(int softTotal) { return 30 - softTotal; }
constexpr int HardRow(int hardTotal) { return 35 - hardTotal; }

}  // namespace quorvel::analyzer

// The generated charts: the six-deck charts against the printed reference tables, and the
// properties every chart must have (rule variants, monotone totals, settled cells).
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "generated_charts.h"

namespace quorvel::testing {
namespace {

// The no-surrender reference, row by row; "N" in a pair row means "do not split".
constexpr std::string_view kNoSurrender[kChartRows] = {
    "YYYYYYYYYY", "NNNNNNNNNN", "YYYYYNYYNN", "YYYYYYYYYY", "YYYYYYNNNN",  // A,A T,T 9,9 8,8 7,7
    "YYYYYNNNNN", "NNNNNNNNNN", "NNNYYNNNNN", "YYYYYYNNNN", "YYYYYYNNNN",  // 6,6 5,5 4,4 3,3 2,2
    "SSSSSSSSSS", "SSSSSSSSSS", "SddddSSHHH", "HDDDDHHHHH",                // A,9 A,8 A,7 A,6
    "HHDDDHHHHH", "HHDDDHHHHH", "HHHDDHHHHH", "HHHDDHHHHH",                // A,5 A,4 A,3 A,2
    "SSSSSSSSSS", "SSSSSHHHHH", "SSSSSHHHHH", "SSSSSHHHHH", "SSSSSHHHHH",  // 17 16 15 14 13
    "HHSSSHHHHH", "DDDDDDDDDH", "DDDDDDDDHH", "HDDDDHHHHH", "HHHHHHHHHH",  // 12 11 10 9 8
};

// The late-surrender reference differs in hard 16 against 9, ten and ace and
// in hard 15 against a ten.
struct Difference {
  int row;
  int column;
  char code;
};
constexpr Difference kSurrenderDifferences[] = {
    {19, 7, 'R'}, {19, 8, 'R'}, {19, 9, 'R'}, {20, 8, 'R'}};

void ExpectReference(const StrategyChart& chart, bool lateSurrender) {
  for (int row = 0; row < kChartRows; ++row) {
    for (int column = 0; column < kChartColumns; ++column) {
      char expected = kNoSurrender[row][column];
      if (lateSurrender) {
        for (const Difference& d : kSurrenderDifferences) {
          if (d.row == row && d.column == column) expected = d.code;
        }
      }
      const char actual = chart.At(row, column);
      if (row < 10 && expected == 'N') {
        EXPECT_NE(actual, 'Y') << "row " << row << " column " << column;
      } else {
        EXPECT_EQ(actual, expected) << "row " << row << " column " << column;
      }
    }
  }
}

TEST(ReferenceCharts, SixDecksWithoutSurrenderMatchesTheNoSurrenderTable) {
  ExpectReference(GeneratedChart({6, false, false, false}), false);
}

TEST(ReferenceCharts, SixDecksWithLateSurrenderMatchesTheSurrenderTable) {
  ExpectReference(GeneratedChart({6, false, false, true}), true);
}

std::string Describe(const ChartRules& rules) { return ChartFileName(rules); }

bool StandsOnMoreCards(char code) { return code == 'S' || code == 'd' || code == 'Q'; }

// The codes a chart may hold per row are checked by the engine's chart check on every
// committed file; here, how the rule variants relate.
TEST(GeneratedCharts, SurrenderOnlyReplacesTheBestOfHitStandAndDouble) {
  for (const ChartRules& rules : analyzer::AllChartRules()) {
    if (!rules.lateSurrender) continue;
    ChartRules without = rules;
    without.lateSurrender = false;
    const StrategyChart& with = GeneratedChart(rules);
    const StrategyChart& plain = GeneratedChart(without);
    for (int row = 10; row < kChartRows; ++row) {
      for (int column = 0; column < kChartColumns; ++column) {
        const char code = with.At(row, column);
        const char other = plain.At(row, column);
        // "R" falls back to hitting, "Q" to standing, as the plain code did.
        if (code == 'R') {
          EXPECT_TRUE(other == 'H' || other == 'D')
              << Describe(rules) << " " << row << "/" << column;
        } else if (code == 'Q') {
          EXPECT_TRUE(other == 'S' || other == 'd')
              << Describe(rules) << " " << row << "/" << column;
        } else {
          EXPECT_EQ(code, other) << Describe(rules) << " " << row << "/" << column;
        }
      }
    }
  }
}

TEST(GeneratedCharts, DoublingAfterSplitsChangesOnlyPairsAndSplitsAtLeastAsOften) {
  for (const ChartRules& rules : analyzer::AllChartRules()) {
    if (rules.noDoubleAfterSplit) continue;
    ChartRules noDas = rules;
    noDas.noDoubleAfterSplit = true;
    const StrategyChart& das = GeneratedChart(rules);
    const StrategyChart& plain = GeneratedChart(noDas);
    for (int row = 0; row < kChartRows; ++row) {
      for (int column = 0; column < kChartColumns; ++column) {
        if (row >= 10) {
          EXPECT_EQ(das.At(row, column), plain.At(row, column)) << Describe(rules) << " " << row;
        } else if (plain.At(row, column) == 'Y') {
          EXPECT_EQ(das.At(row, column), 'Y') << Describe(rules) << " " << row << "/" << column;
        }
      }
    }
  }
}

TEST(GeneratedCharts, ALargerTotalNeverStandsLessOftenAndHardStiffsHitAgainstSevenOrMore) {
  for (const ChartRules& rules : analyzer::AllChartRules()) {
    const StrategyChart& chart = GeneratedChart(rules);
    for (int column = 0; column < kChartColumns; ++column) {
      for (int total = 12; total < 17; ++total) {
        // Against 7, 8, 9, ten and ace no hard 12 to 16 stands.
        EXPECT_FALSE(column >= Column(7) && StandsOnMoreCards(chart.At(HardRow(total), column)))
            << Describe(rules) << " hard " << total << " column " << column;
        if (StandsOnMoreCards(chart.At(HardRow(total), column))) {
          EXPECT_TRUE(StandsOnMoreCards(chart.At(HardRow(total + 1), column)))
              << Describe(rules) << " hard " << total << " column " << column;
        }
      }
      for (int total = 13; total < 20; ++total) {
        if (StandsOnMoreCards(chart.At(SoftRow(total), column))) {
          EXPECT_TRUE(StandsOnMoreCards(chart.At(SoftRow(total + 1), column)))
              << Describe(rules) << " soft " << total << " column " << column;
        }
      }
    }
  }
}

// Cells that are the same under every deck count and rule of ours.
struct SettledCell {
  const char* hand;
  int row;
  int firstUp;  // up card values 2..10, ace as 11
  int lastUp;
  char code;
};

TEST(GeneratedCharts, CellsEveryBasicStrategyAgreesOn) {
  const SettledCell cells[] = {
      {"A,A", PairRow(1), 2, 11, 'Y'},     {"T,T", PairRow(10), 2, 11, 'N'},
      {"5,5", PairRow(5), 2, 11, 'N'},     {"8,8", PairRow(8), 2, 10, 'Y'},
      {"A,9", SoftRow(20), 2, 11, 'S'},    {"hard 17", HardRow(17), 2, 10, 'S'},
      {"hard 13", HardRow(13), 2, 6, 'S'}, {"hard 11", HardRow(11), 2, 10, 'D'},
      {"hard 10", HardRow(10), 2, 9, 'D'}, {"hard 8", HardRow(8), 2, 4, 'H'},
      {"hard 12", HardRow(12), 7, 8, 'H'}, {"A,6", SoftRow(17), 7, 11, 'H'},
  };
  for (const ChartRules& rules : analyzer::AllChartRules()) {
    const StrategyChart& chart = GeneratedChart(rules);
    for (const SettledCell& cell : cells) {
      for (int up = cell.firstUp; up <= cell.lastUp; ++up) {
        EXPECT_EQ(chart.At(cell.row, Column(up == 11 ? 1 : up)), cell.code)
            << Describe(rules) << " " << cell.hand << " against " << up;
      }
    }
  }
}

TEST(GeneratedCharts, HardSeventeenStandsExceptSurrenderingToAnAceWhenTheDealerHitsSoft17) {
  for (const ChartRules& rules : analyzer::AllChartRules()) {
    const char expected = rules.dealerHitsSoft17 && rules.lateSurrender ? 'Q' : 'S';
    EXPECT_EQ(GeneratedChart(rules).At(HardRow(17), kColumnAce), expected) << Describe(rules);
  }
}

}  // namespace
}  // namespace quorvel::testing

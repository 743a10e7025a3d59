// The six-deck charts against the printed reference tables (stand on soft 17, double after splits).
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace quorvel::testing

// A printed basic-strategy chart (6 decks, dealer stands on soft 17, doubling after splits), for engine tests.
#pragma once

#include <string_view>

#include "engine/strategy_chart.h"

namespace quorvel::testing {

// One string per row, dealer 2..9, ten, ace; "N" marks a pair not split.
inline constexpr std::string_view kReferenceRows[kChartRows] = {
    "YYYYYYYYYY",  // A,A
    "NNNNNNNNNN",  // T,T
    "YYYYYNYYNN",  // 9,9
    "YYYYYYYYYY",  // 8,8
    "YYYYYYNNNN",  // 7,7
    "YYYYYNNNNN",  // 6,6
    "NNNNNNNNNN",  // 5,5
    "NNNYYNNNNN",  // 4,4
    "YYYYYYNNNN",  // 3,3
    "YYYYYYNNNN",  // 2,2
    "SSSSSSSSSS",  // soft 20
    "SSSSSSSSSS",  // soft 19
    "SddddSSHHH",  // soft 18
    "HDDDDHHHHH",  // soft 17
    "HHDDDHHHHH",  // soft 16
    "HHDDDHHHHH",  // soft 15
    "HHHDDHHHHH",  // soft 14
    "HHHDDHHHHH",  // soft 13
    "SSSSSSSSSS",  // hard 17 (and soft 12)
    "SSSSSHHHHH",  // hard 16
    "SSSSSHHHHH",  // hard 15
    "SSSSSHHHHH",  // hard 14
    "SSSSSHHHHH",  // hard 13
    "HHSSSHHHHH",  // hard 12
    "DDDDDDDDDH",  // hard 11
    "DDDDDDDDHH",  // hard 10
    "HDDDDHHHHH",  // hard 9
    "HHHHHHHHHH",  // hard 8
};

inline StrategyChart ReferenceChart() {
  StrategyChart chart;
  for (int r = 0; r < kChartRows; ++r) {
    for (int c = 0; c < kChartColumns; ++c) chart.cells[r][c] = kReferenceRows[r][c];
  }
  return chart;
}

// The late-surrender variant: surrender 16 against 9, ten, ace and 15 against ten.
inline StrategyChart ReferenceSurrenderChart() {
  StrategyChart chart = ReferenceChart();
  chart.cells[19][7] = chart.cells[19][8] = chart.cells[19][9] = 'R';
  chart.cells[20][8] = 'R';
  return chart;
}

}  // namespace quorvel::testing
